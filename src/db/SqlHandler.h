#pragma once

#include "SateliteParams.h"
#include "TransponderItem.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <functional>
#include <map>
#include <string>

// Holds all satellite and transponder data. It is downloaded once from the
// satellite database at start-up (or read from the offline cache) and then
// answered from memory.
class SqlHandler : public QObject
{
    Q_OBJECT

public:
    struct Connection
    {
        QString hostName;
        QString databaseName;
        QString userName;
        QString password;
        int port = -1; // -1: the driver's default
        // Limit of the connection set-up and of every single read and write
        // on the line: a silent or stalled server ends the attempt.
        int timeoutSeconds = 4;
    };
    // Everything the program knows about satellites, as one value.
    struct Tables
    {
        std::map<QString, QVector<TransponderItem>> items;
        QVector<SateliteParams> params;
    };
    // The outcome of one download attempt. Only a complete one carries data.
    struct Download
    {
        bool opened = false;   // the server accepted the connection
        bool complete = false; // every table arrived whole
        QString reason;        // why not, as the server or driver said it
        Tables tables;
    };
    // Told on the downloading thread, in this order: the database driver is
    // made (before the server is asked), and the server accepted the
    // connection.
    struct Progress
    {
        std::function<void()> driverMade;
        std::function<void()> opened;
    };
    using Clock = std::function<QDateTime()>;

    // The compiled-in values of the satellite database.
    static Connection defaultConnection();

    // An empty cacheDirectory means the per-user application data directory.
    explicit SqlHandler(Connection connection = defaultConnection(), QString cacheDirectory = QString(),
                        Clock clock = &QDateTime::currentDateTime);
    ~SqlHandler() override;

    // Returns when satellite data is available, from the server or the cache;
    // throws std::runtime_error otherwise. Runs on the calling thread.
    void connectToDatabase();

    // One download attempt on a connection of its own: safe on any thread, it
    // touches no handler. The result is handed to useDownload().
    static Download download(const Connection &connection, const Progress &progress = Progress());
    // Takes a download on the handler's thread: its data when complete (and
    // the cache rewritten), the offline cache otherwise. Throws as
    // connectToDatabase() does when neither gives data.
    void useDownload(const Download &result);

    const Connection &connectionSettings() const { return connection; }
    // The server of the next download.
    void setConnection(const Connection &connection);
    // The warning when a download broke off and the cache is used instead.
    static QString brokenOffWarning(const QString &reason);
    // Why the last connectToDatabase()/useDownload() found no server data
    // (empty when the download worked).
    QString failureReason() const { return lastFailure; }

    QStringList availableSatelites() const;
    QVariantList itemsForSatelite(const QString &name) const;
    // A satellite's rows in table order; empty for an unknown name.
    QVector<TransponderItem> transponders(const QString &name) const;
    const TransponderItem &getPolarisationForTransponder(const QString &satelite, quint32 transponder) const;
    quint32 getTransponderByFreq(const QString &satelite, quint32 frequency) const;
    const SateliteParams &getSateliteParams(const QString &name) const;
    const SateliteParams &getSateliteParamsById(quint32 satId) const;

    // The same look-ups without throwing: null when there is no such row.
    bool hasData() const { return dataAvailable; }
    const TransponderItem *findTransponder(const QString &satelite, quint32 transponder) const;
    const SateliteParams *findSatelite(const QString &name) const;

    QString cacheFilePath() const { return cacheDirectory + cacheFileName; }

    // The message of every failure meaning "no satellite data".
    const std::string statusMessage = "Not connected";

signals:
    void savedDataOutdated();
    // The download opened but broke off, and the cache is used instead.
    void downloadBrokenOff(QString reason);
    // The cache file could not be written or read; the text names the path
    // and the system's reason.
    void cacheProblem(QString message);

private:
    void saveDbFile();
    bool loadDbFile();

    std::map<QString, QVector<TransponderItem>> itemsBySatelite;
    QVector<SateliteParams> sateliteParams;
    Connection connection;
    bool dataAvailable = false;
    QString notFoundMessage;
    QString cacheDirectory;
    const QString cacheFileName = QStringLiteral("/db.dat");
    const qint32 cacheFileVersion = 1;
    const qint32 maxCacheAgeDays = 31;
    Clock clock;
    QString lastFailure;
};
