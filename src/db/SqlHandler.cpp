#include "SqlHandler.h"

#include "OwnTransponderFile.h"
#include "SatelliteImport.h"
#include "ServerDownload.h"
#include "ServerSettings.h"
#include "io/LogCategories.h"
#include "io/WholeFile.h"
#include "model/OrbitalPositions.h"

#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

namespace {
// Pinned, so that a cache written by any Qt version reads the same: the file
// holds only fixed-size numbers, booleans and strings.
constexpr QDataStream::Version cacheStreamVersion = QDataStream::Qt_5_15;

// Thrown inside loadDbFile() when the file is not satellite data.
struct CorruptCache : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Reads the cache format from a file, checking every count against the bytes
// still unread, so that a damaged or hostile file can never make the reader
// allocate more than the file itself could hold.
class CacheReader
{
public:
    explicit CacheReader(QFile &file) : file(file), in(&file) { in.setVersion(cacheStreamVersion); }

    qint32 number()
    {
        qint32 value = 0;
        in >> value;
        check();
        return value;
    }

    bool flag()
    {
        bool value = false;
        in >> value;
        check();
        return value;
    }

    // A QString in QDataStream form: byte count (0xFFFFFFFF for a null
    // string), then UTF-16 big-endian code units.
    QString string()
    {
        const quint32 bytes = quint32(number());
        if (bytes == 0xFFFFFFFFu)
            return QString();
        if (bytes % 2 != 0 || bytes > quint64(left()))
            throw CorruptCache("string longer than the file");
        QByteArray raw(int(bytes), Qt::Uninitialized);
        if (in.readRawData(raw.data(), raw.size()) != raw.size())
            throw CorruptCache("file ends inside a string");
        QString text(raw.size() / 2, Qt::Uninitialized);
        for (int i = 0; i < text.size(); ++i)
            text[i] = QChar(quint16(uchar(raw[2 * i]) << 8 | uchar(raw[2 * i + 1])));
        return text;
    }

    // A count of entries of at least minBytes each; 0 or less means none.
    int count(qint64 minBytes)
    {
        const qint32 value = number();
        if (value <= 0)
            return 0;
        if (value > left() / minBytes)
            throw CorruptCache("count larger than the file can hold");
        return value;
    }

    bool ok() const { return in.status() == QDataStream::Ok; }

private:
    qint64 left() const { return file.size() - file.pos(); }
    void check() const
    {
        if (in.status() != QDataStream::Ok)
            throw CorruptCache("file ends early");
    }

    QFile &file;
    QDataStream in;
};

// Smallest sizes in the file: a satellite block (empty name, row count), a
// row, and a summary (two numbers, empty name, id).
constexpr qint64 sateliteBlockBytes = 4 + 4;
constexpr qint64 rowBytes = 4 + 4 + 1 + 4 + 4;
constexpr qint64 summaryBytes = 4 + 4 + 4 + 4;
} // namespace

SqlHandler::Connection SqlHandler::defaultConnection()
{
    Connection compiledIn;
    compiledIn.hostName = QStringLiteral(FENZO_DB_HOST);
    compiledIn.databaseName = QStringLiteral(FENZO_DB_NAME);
    compiledIn.userName = QStringLiteral(FENZO_DB_USER);
    compiledIn.password = QStringLiteral(FENZO_DB_PASSWORD);
    compiledIn.requireTls = ServerSettings::tlsRequiredByDefault(compiledIn.hostName);
    return compiledIn;
}

SqlHandler::SqlHandler(Connection connection, QString cacheDirectory, Clock clock, BuiltInLoader builtIn)
    : connection(std::move(connection)),
      cacheDirectory(cacheDirectory.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                         : std::move(cacheDirectory)),
      clock(std::move(clock)), builtIn(std::move(builtIn))
{
    // A directory that cannot be made shows when the cache is written.
    if (!QDir(this->cacheDirectory).exists())
        QDir().mkpath(this->cacheDirectory);
    idTable = SatelliteImport::idTable(this->cacheDirectory, BuiltInSatellites::idTable());
}

SqlHandler::~SqlHandler() = default;

void SqlHandler::connectToDatabase()
{
    useDownload(download(connection));
}

void SqlHandler::setConnection(const Connection &connection)
{
    this->connection = connection;
}

SqlHandler::Download SqlHandler::download(const Connection &connection, const Progress &progress)
{
    return download(connection, progress, Limits());
}

SqlHandler::Download SqlHandler::download(const Connection &connection, const Progress &progress,
                                          const Limits &limits)
{
    return ServerDownload::run(connection, progress, limits);
}

QString SqlHandler::brokenOffWarning(const QString &reason)
{
    return tr("The download of the satellite data broke off (%1). The offline data are used instead.")
        .arg(reason);
}

QString SqlHandler::noSatellitesReason(const QString &databaseName)
{
    return ServerDownload::noSatellitesReason(databaseName);
}

bool SqlHandler::loadLocalData()
{
    if (dataAvailable)
        return true;
    // Quietly: whether old offline data deserve a warning is decided once
    // the server has had its chance.
    return loadSaved(false) || loadBuiltIn();
}

QString SqlHandler::importFrom(const QString &path)
{
    const QString refused = SatelliteImport::run(path, cacheDirectory, BuiltInSatellites::idTable(), clock());
    if (!refused.isEmpty())
        return refused;
    if (!takeImport(SatelliteImport::load(cacheDirectory)))
        return tr("The imported satellite data in %1 cannot be read back.")
            .arg(QDir::toNativeSeparators(SatelliteImport::dataPath(cacheDirectory)));
    return QString();
}

bool SqlHandler::loadSaved(bool warn)
{
    const QFileInfo cache(cacheFilePath());
    QDateTime cacheWritten = cache.birthTime();
    if (!cacheWritten.isValid())
        cacheWritten = cache.lastModified();
    SatelliteImport::Data imported = SatelliteImport::load(cacheDirectory);
    const bool importNewer = !cache.exists() || !cacheWritten.isValid() || imported.imported >= cacheWritten;
    if (!imported.items.empty() && importNewer)
        return takeImport(std::move(imported));
    return loadDbFile(warn) || takeImport(std::move(imported));
}

bool SqlHandler::takeImport(SatelliteImport::Data data)
{
    if (data.items.empty())
        return false;
    // Ids the import gave are in the user's table.
    idTable = SatelliteImport::idTable(cacheDirectory, BuiltInSatellites::idTable());
    const QString from = data.source;
    take(std::move(data.items), std::move(data.params), Source::Import, data.imported.toLocalTime().date());
    importedFrom = from;
    cacheOutdated = false;
    return true;
}

void SqlHandler::take(std::map<QString, QVector<TransponderItem>> items, QVector<SateliteParams> params,
                      Source from, const QDate &dated)
{
    dataSource = from;
    date = dated;
    dataAvailable = true;
    taken = SatelliteCatalogue(std::move(items), std::move(params));
    reloadOwnTransponders();
}

QString SqlHandler::ownTransponderPath() const
{
    return OwnTransponderFile::pathIn(cacheDirectory);
}

bool SqlHandler::reloadOwnTransponders()
{
    // A damaged file adds nothing and stays as it is for the user to mend.
    OwnTransponders read;
    ownProblem.clear();
    if (!OwnTransponderFile(ownTransponderPath()).read(&read, &ownProblem))
        qCWarning(dbLog).noquote() << ownProblem;
    own = read;
    SharedCatalogue merged =
        std::make_shared<const SatelliteCatalogue>(OrbitalPositions::withTableIds(own.addTo(taken), idTable));
    if (*merged == *current)
        return false;
    current = std::move(merged);
    return true;
}

bool SqlHandler::loadBuiltIn()
{
    BuiltInSatellites::Data data = builtIn ? builtIn() : BuiltInSatellites::Data();
    builtInReason = data.reason;
    if (data.items.empty()) {
        qCDebug(dbLog) << "No built-in satellite data:" << data.reason;
        return false;
    }
    take(std::move(data.items), std::move(data.params), Source::BuiltIn, data.date);
    return true;
}

bool SqlHandler::useDownload(const Download &result)
{
    lastFailure.clear();
    if (result.complete) {
        const bool changed = !dataAvailable || result.tables.items != taken.allTransponders() ||
                             result.tables.params != taken.satellites();
        take(result.tables.items, result.tables.params, Source::Server, clock().date());
        serverEncrypted = result.encrypted;
        dataConnection = result.server;
        saveDbFile();
        return changed;
    }
    // A download that is not whole is no download: nothing of it is kept
    // and the cache stays as it was. Scripts look for these two lines.
    lastFailure = result.reason;
    qCDebug(dbLog) << "Not connected, trying to load from local storage";
    qCDebug(dbLog).noquote() << "Last error: " + result.reason;
    const bool hadData = dataAvailable;
    if (hadData || loadSaved(true) || loadBuiltIn()) {
        // Offline data loaded before the download warn now that they stay.
        if (hadData && dataOutdated())
            emit savedDataOutdated();
        if (result.withoutSatellites)
            emit downloadWithoutSatellites(
                tr("The server's database \"%1\" holds no satellite data. The satellite data in use stay "
                   "as they were.")
                    .arg(result.server.databaseName));
        else if (result.opened)
            emit downloadBrokenOff(result.reason);
        return !hadData;
    }
    throw NoSatelliteData();
}

void SqlHandler::saveDbFile()
{
    try {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(cacheStreamVersion);
        out << cacheFileVersion << qint32(taken.allTransponders().size());
        for (const auto &entry : taken.allTransponders()) {
            out << entry.first << qint32(entry.second.size());
            for (const TransponderItem &item : entry.second)
                out << qint32(item.frequency) << qint32(item.oscillatorFrequency) << item.horizontal()
                    << qint32(item.satId) << qint32(item.transponder);
        }
        out << qint32(taken.satellites().size());
        for (const SateliteParams &params : taken.satellites())
            out << qint32(params.lofHigh) << qint32(params.lofLow) << params.name << qint32(params.satId);

        // Written beside the old file and renamed over it only when complete:
        // a failed write keeps the last good download, and the new file is a
        // new file whose birth time is this download.
        QString reason;
        if (out.status() != QDataStream::Ok)
            reason = WholeFile::outOfMemoryReason();
        else
            WholeFile::write(cacheFilePath(), bytes, &reason);
        if (!reason.isEmpty()) {
            qCDebug(dbLog) << "Error while saving db file:" << reason;
            emit cacheProblem(tr("The offline data could not be saved to %1 (%2).")
                                  .arg(QDir::toNativeSeparators(cacheFilePath()), reason));
        }
    } catch (...) {
        qCDebug(dbLog) << "Error while saving db file";
    }
}

bool SqlHandler::loadDbFile(bool warn)
{
    try {
        const QString path = cacheFilePath();
        if (!QFile::exists(path))
            return dataAvailable;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qCDebug(dbLog) << "Error while loading db file:" << file.errorString();
            emit cacheProblem(tr("The offline data in %1 could not be read (%2).")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
            return dataAvailable;
        }
        CacheReader reader(file);
        if (reader.number() != cacheFileVersion)
            return dataAvailable;

        // The file is written anew with every download; where the file system
        // keeps no birth time the modification time tells the same.
        const QFileInfo info(file);
        QDateTime written = info.birthTime();
        if (!written.isValid())
            written = info.lastModified();
        const bool old = written.daysTo(clock()) > maxCacheAgeDays;

        // Everything is read into locals first: a file that turns out to be
        // damaged leaves nothing half-loaded.
        Tables read;
        for (int satelites = reader.count(sateliteBlockBytes); satelites > 0; --satelites) {
            const QString name = reader.string();
            QVector<TransponderItem> rows(reader.count(rowBytes));
            for (TransponderItem &item : rows) {
                item.frequency = quint32(reader.number());
                item.oscillatorFrequency = quint32(reader.number());
                item.polarisation = Polarisation::fromHorizontalBit(reader.flag());
                item.satId = quint32(reader.number());
                item.transponder = quint32(reader.number());
            }
            read.items[name] = std::move(rows);
        }
        read.params.resize(reader.count(summaryBytes));
        for (SateliteParams &summary : read.params) {
            summary.lofHigh = quint32(reader.number());
            summary.lofLow = quint32(reader.number());
            summary.name = reader.string();
            summary.satId = quint32(reader.number());
        }
        if (!reader.ok())
            throw CorruptCache("stream not Ok after the last field");
        // Written by a download that brought none (an older version took
        // one): no cache, so that other data are used.
        if (!read.holdsSatellites())
            throw CorruptCache("no satellites");

        if (old && warn)
            emit savedDataOutdated();
        take(std::move(read.items), std::move(read.params), Source::Cache, written.date());
        cacheOutdated = old;
        return true;
    } catch (const std::exception &e) {
        qCDebug(dbLog) << "Error while loading db file:" << e.what();
    } catch (...) {
        qCDebug(dbLog) << "Error while loading db file";
    }
    return dataAvailable;
}
