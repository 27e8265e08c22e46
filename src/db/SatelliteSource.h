#pragma once

#include "SatelliteDownload.h"
#include "SqlHandler.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

// Where the satellite data come from, for the window and the tool: owns the
// handler that loads them (server, offline cache, built in) and the download
// under way beside it, and hands out the data in memory as a
// catalogue. Readers above the database room know only this class.
class SatelliteSource : public QObject
{
    Q_OBJECT

public:
    using Connection = SqlHandler::Connection;
    using Download = SqlHandler::Download;
    using Source = SqlHandler::Source;
    using Clock = SqlHandler::Clock;
    using BuiltInLoader = SqlHandler::BuiltInLoader;

    static constexpr int defaultDeadlineMs = SatelliteDownload::defaultDeadlineMs;

    // An empty cacheDirectory means the per-user application data directory.
    explicit SatelliteSource(const Connection &connection, const QString &cacheDirectory = QString(),
                             Clock clock = &QDateTime::currentDateTime,
                             BuiltInLoader builtIn = &defaultBuiltIn,
                             int downloadDeadlineMs = defaultDeadlineMs,
                             const QString &downloadProgram = QString(), QObject *parent = nullptr);
    ~SatelliteSource() override;

    static Connection defaultConnection() { return SqlHandler::defaultConnection(); }
    static BuiltInSatellites::Data defaultBuiltIn() { return SqlHandler::defaultBuiltIn(); }
    static QString brokenOffWarning(const QString &reason) { return SqlHandler::brokenOffWarning(reason); }

    // The data in memory; empty when there are none.
    SharedCatalogue catalogue() const { return handler->catalogue(); }
    bool hasData() const { return handler->hasData(); }
    Source source() const { return handler->source(); }
    bool encrypted() const { return handler->encrypted(); }
    QDate dataDate() const { return handler->dataDate(); }
    int satelliteCount() const { return handler->sateliteCount(); }
    // Why the last download gave no data; empty when it did.
    QString failureReason() const { return handler->failureReason(); }
    // Where the data in memory come from, for the user: "server HOST:PORT"
    // (the server they came from, not the one set since), "offline cache of
    // DATE" or "built in, as of DATE"; empty without data.
    QString originText() const;
    // A date as the user's language writes it ("25 Sep 2019", "25.09.2019").
    static QString shownDate(const QDate &date);
    // Why the server set gave no data, naming it, while the data in use are
    // not its; empty otherwise.
    QString serverFailureText() const;

    // The user's own transponders, added to every data set (see SqlHandler).
    const OwnTransponders &ownTransponders() const { return handler->ownTransponders(); }
    QString ownTransponderPath() const { return handler->ownTransponderPath(); }
    QString ownTransponderProblem() const { return handler->ownTransponderProblem(); }
    bool reloadOwnTransponders() { return handler->reloadOwnTransponders(); }

    // The server of the next download.
    const Connection &connectionSettings() const { return handler->connectionSettings(); }
    // The server the data in memory came from (with Source::Server).
    const Connection &dataServer() const { return handler->dataServer(); }
    void setConnection(const Connection &connection) { handler->setConnection(connection); }

    // The whole order on the calling thread: the server, else the newer of
    // the import and the offline cache, else the built-in data; throws
    // NoSatelliteData when none.
    void loadNow() { handler->connectToDatabase(); }
    // The newest data on this machine, without asking the server.
    bool loadLocalData() { return handler->loadLocalData(); }
    // Imports satellite data from a file or folder and uses them (see
    // SqlHandler::importFrom()); empty, or why nothing changed.
    QString importFrom(const QString &path) { return handler->importFrom(path); }
    // The file or folder the data in use were imported from.
    QString importSource() const { return handler->importSource(); }
    // Takes a download's result in place (see SqlHandler::useDownload());
    // true when the data in memory changed.
    bool useDownload(const Download &result) { return handler->useDownload(result); }
    // Starts a download in its own process or on a worker thread;
    // downloadFinished() follows once,
    // on this thread. False (and nothing started) while one runs.
    bool startDownload();
    bool downloading() const { return running != nullptr; }

signals:
    // Old offline data stay in use.
    void savedDataOutdated();
    // The download opened but broke off, and the cache is used instead.
    void downloadBrokenOff(QString reason);
    // The server's database holds no satellites; the data in use stay.
    void downloadWithoutSatellites(QString message);
    // The cache file could not be written or read.
    void cacheProblem(QString message);
    // The result of startDownload(), not yet taken in: see useDownload().
    void downloadFinished(const SatelliteSource::Download &result);

private:
    std::unique_ptr<SqlHandler> handler;
    int downloadDeadlineMs;
    // Runs the download in a process of its own (see SatelliteDownload).
    QString downloadProgram;
    SatelliteDownload *running = nullptr;
};
