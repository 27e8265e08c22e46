#pragma once

#include "BuiltInSatellites.h"
#include "DownloadLimits.h"
#include "DownloadProgress.h"
#include "DownloadResult.h"
#include "SatelliteImport.h"
#include "SatelliteTables.h"
#include "ServerConnection.h"
#include "model/NoSatelliteData.h"
#include "model/OwnTransponders.h"
#include "model/SateliteParams.h"
#include "model/SatelliteCatalogue.h"
#include "model/TransponderItem.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <functional>
#include <map>
#include <memory>

// Loads all satellite and transponder data: downloaded from the satellite
// database (or read from the offline cache, else built in) and handed out
// as a catalogue, which answers the look-ups.
class SqlHandler : public QObject
{
    Q_OBJECT

public:
    // The download's types, under the names they have always had here.
    using Connection = ServerConnection;
    using Limits = DownloadLimits;
    using Tables = SatelliteTables;
    using Download = DownloadResult;
    using Progress = DownloadProgress;
    using Clock = std::function<QDateTime()>;
    using BuiltInLoader = std::function<BuiltInSatellites::Data()>;
    // Where the data in memory come from.
    enum class Source
    {
        None,
        Server,
        Cache,
        BuiltIn,
        Import
    };

    // The compiled-in values of the satellite database.
    static Connection defaultConnection();
    // The data compiled into the program.
    static BuiltInSatellites::Data defaultBuiltIn() { return BuiltInSatellites::load(); }

    // An empty cacheDirectory means the per-user application data directory.
    explicit SqlHandler(Connection connection = defaultConnection(), QString cacheDirectory = QString(),
                        Clock clock = &QDateTime::currentDateTime, BuiltInLoader builtIn = &defaultBuiltIn);
    ~SqlHandler() override;

    // Returns when satellite data is available: from the server, else the
    // newer of the import and the offline cache, else the built-in data;
    // throws NoSatelliteData when there are none. Runs on the calling thread.
    void connectToDatabase();
    // The newest data on this machine without asking the server: the newer
    // of the import and the offline cache, else the built-in data. False
    // when there are none.
    bool loadLocalData();
    // Imports a satellites.xml, a folder of dvb-s scan tables or one of
    // their files (see SatelliteImport) and uses its data at once. Empty, or
    // why nothing changed.
    QString importFrom(const QString &path);

    // One download attempt on a connection of its own: safe on any thread, it
    // touches no handler. The result is handed to useDownload().
    static Download download(const Connection &connection, const Progress &progress = Progress());
    static Download download(const Connection &connection, const Progress &progress, const Limits &limits);
    // Takes a download on the handler's thread: its data when complete (and
    // the cache rewritten); otherwise the data already in memory stay, or the
    // local ones are loaded. Throws as connectToDatabase() does when there
    // are no data at all.
    // Returns whether the data in memory changed.
    bool useDownload(const Download &result);

    Source source() const { return dataSource; }
    // Whether the data from the server came over an encrypted connection.
    bool encrypted() const { return dataSource == Source::Server && serverEncrypted; }
    // The date of the data: the download's, the cache file's, or that of the
    // scan tables the built-in data were made from.
    QDate dataDate() const { return date; }
    int sateliteCount() const { return current->satelliteCount(); }
    // Offline data older than a month (never the built-in ones).
    bool dataOutdated() const { return dataSource == Source::Cache && cacheOutdated; }
    // Why there are no built-in data (empty when there are or none were asked).
    QString builtInProblem() const { return builtInReason; }

    const Connection &connectionSettings() const { return connection; }
    // The server the data in memory came from (with Source::Server).
    const Connection &dataServer() const { return dataConnection; }
    // The server of the next download.
    void setConnection(const Connection &connection);
    // The warning when a download broke off and the cache is used instead.
    static QString brokenOffWarning(const QString &reason);
    // Why a download brought no data: the database holds no satellites.
    static QString noSatellitesReason(const QString &databaseName);
    // Why the last connectToDatabase()/useDownload() found no server data
    // (empty when the download worked).
    QString failureReason() const { return lastFailure; }

    // The data in memory as one value; empty when there are none.
    SharedCatalogue catalogue() const { return current; }

    // Whether data were loaded at all (from the server, cache or built in).
    bool hasData() const { return dataAvailable; }
    // The file or folder the data in use were imported from (Source::Import).
    QString importSource() const { return importedFrom; }

    QString cacheFilePath() const { return cacheDirectory + cacheFileName; }

    // The user's own transponders beside the cache; every data set taken in
    // gets them added.
    QString ownTransponderPath() const;
    const OwnTransponders &ownTransponders() const { return own; }
    // Why the own transponders' file could not be read; empty when it could.
    QString ownTransponderProblem() const { return ownProblem; }
    // Reads the file again and adds its transponders to the data in use;
    // true when the data changed.
    bool reloadOwnTransponders();

signals:
    void savedDataOutdated();
    // The download opened but broke off, and the cache is used instead.
    void downloadBrokenOff(QString reason);
    // The server's database holds no satellites; the data in use stay.
    void downloadWithoutSatellites(QString message);
    // The cache file could not be written or read; the text names the path
    // and the system's reason.
    void cacheProblem(QString message);

private:
    void saveDbFile();
    // warn: emit savedDataOutdated() for a file older than a month.
    bool loadDbFile(bool warn);
    bool loadBuiltIn();
    // The newer of the import and the offline cache.
    bool loadSaved(bool warn);
    bool takeImport(SatelliteImport::Data data);
    void take(std::map<QString, QVector<TransponderItem>> items, QVector<SateliteParams> params, Source from,
              const QDate &dated);

    Connection connection;
    Connection dataConnection;
    bool dataAvailable = false;
    QString cacheDirectory;
    const QString cacheFileName = QStringLiteral("/db.dat");
    const qint32 cacheFileVersion = 1;
    const qint32 maxCacheAgeDays = 31;
    Clock clock;
    QString lastFailure;
    BuiltInLoader builtIn;
    QString builtInReason;
    // Gives every data set the ids switches may hold for its positions.
    SatelliteIdTable idTable;
    Source dataSource = Source::None;
    SharedCatalogue current = std::make_shared<const SatelliteCatalogue>();
    // The data as they came, without the own transponders: what the cache keeps.
    SatelliteCatalogue taken;
    OwnTransponders own;
    QString ownProblem;
    QDate date;
    bool cacheOutdated = false;
    bool serverEncrypted = false;
    QString importedFrom;
};
