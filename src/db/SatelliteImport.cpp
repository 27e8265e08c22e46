#include "SatelliteImport.h"

#include "SatellitesXmlReader.h"
#include "ScanTableReader.h"
#include "io/LogCategories.h"
#include "io/WholeFile.h"
#include "model/LnbBands.h"
#include "model/OrbitalPositions.h"
#include "model/SatelliteCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>
#include <optional>
#include <set>

namespace {
// Ids a switch can carry; the program's table gives them to positions a dish
// in Europe can see (45.0W to 70.0E), the others get ids above.
constexpr quint32 maxSwitchId = 127;
constexpr int europeWest = -450;
constexpr int europeEast = 700;
// The per-user id table is a few kilobytes; the data file as large as the
// largest import.
constexpr qint64 maxIdTableBytes = 1 << 20;
constexpr qint64 maxDataBytes = 32 * 1024 * 1024;

// Reads a whole file of at most `limit` bytes; empty with `reason` else.
QByteArray readBounded(const QString &path, qint64 limit, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = SatelliteImport::tr("%1 cannot be read (%2)")
                      .arg(QDir::toNativeSeparators(path), file.errorString());
        return QByteArray();
    }
    if (file.size() > limit) {
        *reason = SatelliteImport::tr("%1 is larger than %2 MB")
                      .arg(QDir::toNativeSeparators(path))
                      .arg(limit / (1024 * 1024));
        return QByteArray();
    }
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        *reason = SatelliteImport::tr("%1 cannot be read (%2)")
                      .arg(QDir::toNativeSeparators(path), file.errorString());
    return bytes;
}

// A name or path as one field of a line.
QString oneField(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

bool number(const QByteArray &field, quint32 &value)
{
    bool ok = false;
    value = field.toUInt(&ok);
    return ok;
}

// The id for a position the data give none: the table's for its name, else
// the one the table gives nearest to it at its position (on a tie the
// lowest), which no other position took.
quint32 idFor(const SateliteParams &position, const SatelliteIdTable &table, const std::set<quint32> &used)
{
    if (const quint32 own = table.idOf(position.name); own != 0 && used.count(own) == 0)
        return own;
    const std::optional<int> at = OrbitalPositions::position(position.name);
    if (!at)
        return 0;
    QVector<OrbitalPositions::Place> places;
    for (const auto &entry : table.entries()) {
        if (used.count(entry.first) == 0)
            places.append(OrbitalPositions::place(entry.second, entry.first));
    }
    const int index = OrbitalPositions::nearest(*at, places);
    return index < 0 ? 0 : places.at(index).id;
}

quint32 nextFreeId(const SateliteParams &position, const std::set<quint32> &used)
{
    const std::optional<int> at = OrbitalPositions::position(position.name);
    if (at && *at >= europeWest && *at <= europeEast) {
        for (quint32 id = 1; id <= maxSwitchId; ++id) {
            if (used.count(id) == 0)
                return id;
        }
    }
    return std::max(maxSwitchId, used.empty() ? 0 : *used.rbegin()) + 1;
}
} // namespace

QString SatelliteImport::dataPath(const QString &directory)
{
    return directory + QStringLiteral("/imported.dat");
}

QString SatelliteImport::idTablePath(const QString &directory)
{
    return directory + QStringLiteral("/satellite-ids.tsv");
}

SatelliteIdTable SatelliteImport::idTable(const QString &directory, const SatelliteIdTable &committed)
{
    // The user's lines first: an id once given to the user's position keeps
    // that meaning for the user even where a later committed table gives it
    // to another position (the numbering note names that difference).
    QByteArray text;
    QString reason;
    if (QFile::exists(idTablePath(directory)))
        text = readBounded(idTablePath(directory), maxIdTableBytes, &reason);
    if (!reason.isEmpty())
        qCWarning(dbLog) << "The per-user satellite id table cannot be read:" << reason;
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    for (const auto &entry : committed.entries())
        text += QByteArray::number(entry.first) + '\t' + entry.second.toUtf8() + '\n';
    return SatelliteIdTable::parse(text);
}

ImportRows::Spacecraft SatelliteImport::readSpacecraft(const QString &path, QString *reason,
                                                       const ImportRows::Limits &limits)
{
    ImportRows rows(limits);
    const QFileInfo info(path);
    if (info.isDir()) {
        const QFileInfoList files = QDir(path).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        if (files.size() > limits.files) {
            *reason = tr("the folder holds more than %1 files").arg(limits.files);
            return {};
        }
        for (const QFileInfo &file : files) {
            const QByteArray text = readBounded(file.filePath(), limits.fileBytes, reason);
            if (reason->isEmpty())
                *reason = ScanTableReader::read(text, ScanTableReader::spacecraftName(file.fileName()), rows);
            if (!reason->isEmpty())
                return {};
        }
    } else {
        const QByteArray text = readBounded(path, limits.fileBytes, reason);
        if (reason->isEmpty()) {
            *reason =
                SatellitesXmlReader::looksLikeXml(text)
                    ? SatellitesXmlReader::read(text, rows)
                    : ScanTableReader::read(text, ScanTableReader::spacecraftName(info.fileName()), rows);
        }
        if (!reason->isEmpty())
            return {};
    }
    ImportRows::Spacecraft found = rows.result();
    if (found.empty())
        *reason = tr("it lists no satellite with transponders a universal LNB receives");
    return found;
}

SatelliteImport::Data SatelliteImport::positions(const ImportRows::Spacecraft &spacecraft,
                                                 const SatelliteIdTable &table, QByteArray *added)
{
    QVector<SateliteParams> params;
    for (const auto &entry : spacecraft) {
        SateliteParams craft;
        craft.name = entry.first;
        craft.satId = table.idOf(entry.first);
        params.append(craft);
    }
    const SatelliteCatalogue grouped = OrbitalPositions::group(SatelliteCatalogue(spacecraft, params));
    std::set<quint32> used;
    for (const auto &entry : table.entries())
        used.insert(entry.first);
    std::set<quint32> taken;
    for (const SateliteParams &position : grouped.satellites())
        taken.insert(position.satId);
    Data data;
    for (SateliteParams position : grouped.satellites()) {
        QVector<TransponderItem> rows = grouped.transponders(position.name);
        if (position.satId == 0) {
            position.satId = idFor(position, table, taken);
            if (position.satId == 0) {
                position.satId = nextFreeId(position, used);
                used.insert(position.satId);
                *added += QByteArray::number(position.satId) + '\t' + position.name.toUtf8() + '\n';
            }
        }
        taken.insert(position.satId);
        for (TransponderItem &row : rows)
            row.satId = position.satId;
        data.params.append(position);
        data.items[position.name] = rows;
    }
    return data;
}

QByteArray SatelliteImport::serialise(const Data &data)
{
    QByteArray text("# Satellite data imported by Fenzo Setup\n");
    text += "F\t" + oneField(data.source).toUtf8() + '\n';
    text += "D\t" + data.imported.toUTC().toString(Qt::ISODate).toUtf8() + '\n';
    for (const SateliteParams &params : data.params) {
        text += "S\t" + QByteArray::number(params.satId) + '\t' + oneField(params.name).toUtf8() + '\n';
        const auto found = data.items.find(params.name);
        if (found == data.items.end())
            continue;
        for (const TransponderItem &row : found->second)
            text += "T\t" + QByteArray::number(row.transponder) + '\t' + QByteArray::number(row.frequency) +
                    '\t' + row.polarisation.letter().toLatin1() + '\t' +
                    QByteArray::number(row.oscillatorFrequency) + '\n';
    }
    return text;
}

SatelliteImport::Data SatelliteImport::parse(const QByteArray &text)
{
    Data data;
    QVector<TransponderItem> *current = nullptr;
    quint32 currentId = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray &kind = fields.first();
        if (kind == "F" && fields.size() == 2) {
            data.source = QString::fromUtf8(fields[1]);
            continue;
        }
        if (kind == "D" && fields.size() == 2) {
            data.imported = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate);
            if (data.imported.isValid())
                continue;
        } else if (kind == "S" && fields.size() == 3 && number(fields[1], currentId) &&
                   !fields[2].isEmpty()) {
            const QString name = QString::fromUtf8(fields[2]);
            if (data.items.count(name) == 0) {
                current = &data.items[name];
                SateliteParams params;
                params.name = name;
                params.satId = currentId;
                data.params.append(params);
                continue;
            }
        } else if (kind == "T" && fields.size() == 5 && current && fields[3].size() == 1) {
            TransponderItem item;
            item.polarisation = Polarisation::fromText(QString::fromLatin1(fields[3]));
            item.satId = currentId;
            if (item.polarisation.isKnown() && number(fields[1], item.transponder) &&
                number(fields[2], item.frequency) && number(fields[4], item.oscillatorFrequency)) {
                current->append(item);
                continue;
            }
        }
        qCWarning(dbLog) << "The imported satellite data are damaged at:" << line.left(80);
        return Data();
    }
    // The summaries as a download makes them: the one or two oscillators.
    for (SateliteParams &params : data.params)
        params = LnbBands::withOscillators(params, data.items[params.name]);
    if (!data.imported.isValid())
        return Data();
    return data;
}

QString SatelliteImport::run(const QString &path, const QString &directory, const SatelliteIdTable &committed,
                             const QDateTime &now)
{
    const QString shown = QDir::toNativeSeparators(path);
    QString reason;
    const ImportRows::Spacecraft spacecraft = readSpacecraft(path, &reason);
    if (spacecraft.empty())
        return tr("%1 cannot be imported: %2.").arg(shown, reason);

    QByteArray added;
    Data data = positions(spacecraft, idTable(directory, committed), &added);
    data.source = QFileInfo(path).absoluteFilePath();
    data.imported = now;
    QDir().mkpath(directory);
    // Ids first: an id once written is never given again, even when the
    // data cannot be saved after it.
    if (!added.isEmpty()) {
        QByteArray table;
        if (QFile::exists(idTablePath(directory)))
            table = readBounded(idTablePath(directory), maxIdTableBytes, &reason);
        if (!table.isEmpty() && !table.endsWith('\n'))
            table += '\n';
        if (reason.isEmpty())
            WholeFile::write(idTablePath(directory), table + added, &reason);
        if (!reason.isEmpty())
            return tr("The satellite ids of %1 could not be saved to %2 (%3).")
                .arg(shown, QDir::toNativeSeparators(idTablePath(directory)), reason);
    }
    if (!WholeFile::write(dataPath(directory), serialise(data), &reason))
        return tr("The imported satellite data could not be saved to %1 (%2).")
            .arg(QDir::toNativeSeparators(dataPath(directory)), reason);
    qCInfo(dbLog) << "Imported" << data.params.size() << "satellites from" << shown;
    return QString();
}

SatelliteImport::Data SatelliteImport::load(const QString &directory)
{
    const QString path = dataPath(directory);
    if (!QFile::exists(path))
        return Data();
    QString reason;
    const QByteArray text = readBounded(path, maxDataBytes, &reason);
    if (!reason.isEmpty()) {
        qCWarning(dbLog) << "The imported satellite data cannot be read:" << reason;
        return Data();
    }
    return parse(text);
}
