#include "ScanTableReader.h"

#include <QList>

namespace {
// A block's frequency and polarisation, once both are known.
struct Block
{
    qint64 kHz = -1;
    Polarisation polarisation;

    QString flush(ImportRows &rows)
    {
        QString reason;
        if (kHz >= 0 && polarisation.isKnown())
            reason = rows.add(kHz, polarisation);
        *this = Block();
        return reason;
    }
};

// Digits only, and few enough for a frequency: anything else is no number.
qint64 number(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 12)
        return -1;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    return text.toLongLong();
}

// "S 11362000 H 22000000 2/3" (also S1, S2): the row, or false.
bool oneLine(const QByteArray &line, qint64 &kHz, Polarisation &polarisation)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 3 || !(fields[0] == "S" || fields[0] == "S1" || fields[0] == "S2"))
        return false;
    kHz = number(fields[1]);
    polarisation =
        fields[2].size() == 1 ? Polarisation::fromText(QString::fromLatin1(fields[2])) : Polarisation();
    return kHz >= 0 && polarisation.isKnown();
}
} // namespace

QString ScanTableReader::spacecraftName(const QString &fileName)
{
    return QString(fileName).replace(QLatin1Char('-'), QLatin1Char(' ')).simplified();
}

QString ScanTableReader::read(const QByteArray &text, const QString &spacecraft, ImportRows &rows)
{
    QString reason = rows.begin(spacecraft);
    Block block;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &raw : lines) {
        if (!reason.isEmpty())
            return reason;
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        qint64 kHz = 0;
        Polarisation polarisation;
        if (oneLine(line, kHz, polarisation)) {
            reason = rows.add(kHz, polarisation);
            continue;
        }
        // A new block, headed [CHANNEL] or by a channel's name.
        if (line.startsWith('[')) {
            reason = block.flush(rows);
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == "FREQUENCY")
            block.kHz = number(value);
        else if (key == "POLARIZATION")
            block.polarisation = Polarisation::fromText(QString::fromLatin1(value));
    }
    return reason.isEmpty() ? block.flush(rows) : reason;
}
