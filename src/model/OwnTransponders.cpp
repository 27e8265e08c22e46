#include "OwnTransponders.h"

#include "LnbBands.h"

#include <QList>

#include <algorithm>
#include <cstdlib>

namespace {
const QByteArray header = QByteArrayLiteral("# fenzo_setup own transponders 1");

bool isPlainName(const QString &name)
{
    return std::none_of(name.cbegin(), name.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}
} // namespace

QString OwnTransponders::ownMark()
{
    return tr("(own)");
}

QString OwnTransponders::withOwnMark(const QString &text)
{
    return tr("%1 (own)").arg(text);
}

bool OwnTransponders::sameTransponder(quint32 frequency, Polarisation polarisation,
                                      const TransponderItem &item)
{
    return std::abs(qint64(frequency) - qint64(item.frequency)) <= 1 &&
           polarisation.horizontalBit() == item.horizontal();
}

bool OwnTransponders::sameTransponder(const OwnTransponder &a, const OwnTransponder &b)
{
    return a.satellite == b.satellite && std::abs(qint64(a.frequency) - qint64(b.frequency)) <= 1 &&
           a.polarisation.horizontalBit() == b.polarisation.horizontalBit();
}

QString OwnTransponders::checkEntry(const OwnTransponder &entry)
{
    if (entry.satellite.trimmed().isEmpty() || entry.satellite.size() > maxNameLength ||
        !isPlainName(entry.satellite))
        return tr("The satellite's name is empty, too long or holds control characters.");
    if (entry.frequency < lowestFrequency || entry.frequency > highestFrequency)
        return frequencyMessage();
    if (!entry.polarisation.isKnown())
        return polarisationMessage();
    return QString();
}

QString OwnTransponders::frequencyMessage()
{
    return tr("The frequency must lie between %1 and %2 MHz.").arg(lowestFrequency).arg(highestFrequency);
}

QString OwnTransponders::polarisationMessage()
{
    return tr("The polarisation must be H, V, L or R.");
}

QString OwnTransponders::listedTwiceMessage()
{
    return tr("The transponder is listed twice.");
}

bool OwnTransponders::fromText(const QByteArray &text, OwnTransponders *result, QString *reason)
{
    if (text.size() > maxFileBytes) {
        *reason = tr("The file is larger than %1 bytes.").arg(maxFileBytes);
        return false;
    }
    const QList<QByteArray> lines = text.split('\n');
    if (lines.first() != header) {
        *reason = tr("The file does not begin with \"%1\".").arg(QString::fromLatin1(header));
        return false;
    }
    OwnTransponders read;
    for (int at = 1; at < lines.size(); ++at) {
        if (lines.at(at).isEmpty())
            continue;
        const QStringList fields = QString::fromUtf8(lines.at(at)).split(QLatin1Char('\t'));
        OwnTransponder entry;
        bool number = false;
        if (fields.size() == 3) {
            entry.satellite = fields.at(0);
            entry.frequency = fields.at(1).toUInt(&number);
            entry.polarisation = Polarisation::fromDataLetter(fields.at(2));
            // The data letter reads anything as vertical; only the four are taken.
            if (fields.at(2).size() != 1 || !QStringLiteral("HVLR").contains(fields.at(2)))
                entry.polarisation = Polarisation();
        }
        QString problem = fields.size() != 3 ? tr("A satellite, a frequency and a polarisation are needed.")
                          : !number          ? tr("The frequency is not a number.")
                                             : checkEntry(entry);
        if (problem.isEmpty() && read.list.size() >= maxEntries)
            problem = tr("The file holds more than %1 transponders.").arg(maxEntries);
        if (problem.isEmpty() && !read.add(entry))
            problem = listedTwiceMessage();
        if (!problem.isEmpty()) {
            *reason = tr("Line %1: %2").arg(at + 1).arg(problem);
            return false;
        }
    }
    *result = std::move(read);
    return true;
}

QByteArray OwnTransponders::toText() const
{
    QByteArray text = header + '\n';
    for (const OwnTransponder &entry : list) {
        text += entry.satellite.toUtf8() + '\t' + QByteArray::number(entry.frequency) + '\t' +
                entry.polarisation.letter().toLatin1() + '\n';
    }
    return text;
}

QString OwnTransponders::refusal(const SatelliteCatalogue &data, const OwnTransponder &transponder) const
{
    const QString problem = checkEntry(transponder);
    if (!problem.isEmpty())
        return problem;
    if (!data.findSatelite(transponder.satellite))
        return tr("The satellite data hold no satellite \"%1\".").arg(transponder.satellite);
    for (const TransponderItem &item : data.transponders(transponder.satellite)) {
        if (sameTransponder(transponder.frequency, transponder.polarisation, item))
            return tr("%1 already has a transponder at %2 MHz %3.")
                .arg(transponder.satellite)
                .arg(item.frequency)
                .arg(item.polarisation.letter());
    }
    if (list.size() >= maxEntries)
        return tr("There are already %1 own transponders, the most allowed.").arg(maxEntries);
    return QString();
}

bool OwnTransponders::add(const OwnTransponder &transponder)
{
    const bool known = std::any_of(list.cbegin(), list.cend(), [&](const OwnTransponder &entry) {
        return sameTransponder(entry, transponder);
    });
    if (known)
        return false;
    list.append(transponder);
    return true;
}

bool OwnTransponders::remove(const OwnTransponder &transponder)
{
    return list.removeOne(transponder);
}

SatelliteCatalogue OwnTransponders::addTo(const SatelliteCatalogue &data) const
{
    if (list.isEmpty() || data.isEmpty())
        return data;
    SatelliteCatalogue::Transponders items = data.allTransponders();
    QVector<SateliteParams> satellites = data.satellites();
    bool added = false;
    for (SateliteParams &params : satellites) {
        const bool wanted = std::any_of(list.cbegin(), list.cend(), [&](const OwnTransponder &entry) {
            return entry.satellite == params.name;
        });
        if (!wanted)
            continue;
        QVector<TransponderItem> &rows = items[params.name];
        const int before = rows.size();
        quint32 next = 0;
        for (const TransponderItem &row : rows)
            next = std::max(next, row.transponder + 1);
        for (const OwnTransponder &entry : list) {
            const bool held = std::any_of(rows.cbegin(), rows.cend(), [&](const TransponderItem &row) {
                return sameTransponder(entry.frequency, entry.polarisation, row);
            });
            if (entry.satellite != params.name || held)
                continue;
            // The satellite's bands as its data give them, not as the own
            // transponders added so far have made them.
            rows.append({next++, entry.frequency, entry.polarisation,
                         LnbBands::ownOscillator(params, entry.frequency), params.satId});
        }
        if (rows.size() == before)
            continue;
        // A band the data lacked is now there; the band bit of the rows it
        // had stays as it was (LnbBands).
        params = LnbBands::withOscillators(params, rows);
        added = true;
    }
    if (!added)
        return data;
    return SatelliteCatalogue(std::move(items), std::move(satellites), data.otherIds());
}

bool OwnTransponders::isOwn(const QString &satellite, const TransponderItem &item) const
{
    return std::any_of(list.cbegin(), list.cend(), [&](const OwnTransponder &entry) {
        return entry.satellite == satellite && entry.frequency == item.frequency &&
               entry.polarisation == item.polarisation;
    });
}
