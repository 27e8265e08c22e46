#include "SqlHandler.h"

#include "OfflineCacheFile.h"
#include "OwnTransponderFile.h"
#include "SatelliteImport.h"
#include "ServerDownload.h"
#include "ServerSettings.h"
#include "io/LogCategories.h"
#include "model/OrbitalPositions.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

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
    const QDateTime cacheWritten = OfflineCacheFile(cacheFilePath(), cacheFileVersion).written();
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
        QString reason;
        if (!OfflineCacheFile(cacheFilePath(), cacheFileVersion).write(taken, &reason))
            emit cacheProblem(reason);
    } catch (...) {
        qCDebug(dbLog) << "Error while saving db file";
    }
}

bool SqlHandler::loadDbFile(bool warn)
{
    try {
        const OfflineCacheFile file(cacheFilePath(), cacheFileVersion);
        if (!QFile::exists(file.path()))
            return dataAvailable;
        Tables read;
        QString reason;
        if (!file.read(&read, &reason)) {
            if (!reason.isEmpty())
                emit cacheProblem(reason);
            return dataAvailable;
        }
        const QDateTime written = file.written();
        const bool old = written.daysTo(clock()) > maxCacheAgeDays;
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
