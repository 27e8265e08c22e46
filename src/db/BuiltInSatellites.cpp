#include "BuiltInSatellites.h"

#include "model/LnbBands.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QString damaged(int line)
{
    return QCoreApplication::translate("BuiltInSatellites",
                                       "The built-in satellite data are damaged (line %1).")
        .arg(line);
}

bool number(const QByteArray &field, quint32 &value)
{
    bool ok = false;
    value = field.toUInt(&ok);
    return ok;
}

// One summary per satellite, as a download makes them: the one or two
// oscillator frequencies of its rows.
QVector<SateliteParams> summaries(const std::map<QString, QVector<TransponderItem>> &items,
                                  const std::map<QString, quint32> &ids)
{
    QVector<SateliteParams> result;
    for (const auto &entry : items) {
        SateliteParams params;
        params.name = entry.first;
        params.satId = ids.at(entry.first);
        result.append(LnbBands::withOscillators(params, entry.second));
    }
    return result;
}

} // namespace

QString BuiltInSatellites::defaultPath()
{
    return QStringLiteral(":/data/satellites.tsv");
}

QString BuiltInSatellites::noDataMessage()
{
    return QCoreApplication::translate("BuiltInSatellites", "This program was built without satellite data.");
}

// Lines: "D date", "S id name", then the satellite's "T number MHz
// polarisation oscillator" rows; "#" starts a comment.
BuiltInSatellites::Data BuiltInSatellites::load(const QString &path)
{
    Data data;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        data.reason = noDataMessage();
        return data;
    }
    std::map<QString, QVector<TransponderItem>> items;
    std::map<QString, quint32> ids;
    QVector<TransponderItem> *current = nullptr;
    quint32 currentId = 0;
    int lineNumber = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        ++lineNumber;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray &kind = fields.first();
        if (kind == "D" && fields.size() == 2) {
            data.date = QDate::fromString(QString::fromLatin1(fields[1]), Qt::ISODate);
            if (data.date.isValid())
                continue;
        } else if (kind == "S" && fields.size() == 3 && number(fields[1], currentId) &&
                   !fields[2].isEmpty()) {
            const QString name = QString::fromUtf8(fields[2]);
            if (ids.emplace(name, currentId).second) {
                current = &items[name];
                continue;
            }
        } else if (kind == "T" && fields.size() == 5 && current &&
                   (fields[3] == "H" || fields[3].size() == 1)) {
            TransponderItem item;
            item.polarisation = Polarisation::fromDataLetter(QString::fromLatin1(fields[3]));
            item.satId = currentId;
            if (number(fields[1], item.transponder) && number(fields[2], item.frequency) &&
                number(fields[4], item.oscillatorFrequency)) {
                current->append(item);
                continue;
            }
        }
        data.reason = damaged(lineNumber);
        return data;
    }
    if (items.empty()) {
        data.reason = noDataMessage();
        return data;
    }
    data.params = summaries(items, ids);
    data.items = std::move(items);
    return data;
}

QString BuiltInSatellites::idTablePath()
{
    return QStringLiteral(":/data/satellite-ids.tsv");
}

namespace {
SatelliteIdTable readIdTable(const QString &path)
{
    QFile file(path);
    // The table is a few kilobytes; anything much larger is not it.
    constexpr qint64 maxBytes = 1 << 20;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return SatelliteIdTable();
    return SatelliteIdTable::parse(file.read(maxBytes));
}
} // namespace

SatelliteIdTable BuiltInSatellites::idTable(const QString &path)
{
    if (path == idTablePath()) {
        // The compiled-in table never changes: read once, then kept at hand
        // for every handler and controller.
        static const SatelliteIdTable compiledIn = readIdTable(path);
        return compiledIn;
    }
    return readIdTable(path);
}
