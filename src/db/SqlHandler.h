#pragma once

#include "SateliteParams.h"
#include "TransponderItem.h"

#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>
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
    };
    using Clock = std::function<QDateTime()>;

    // The compiled-in values of the satellite database.
    static Connection defaultConnection();

    // An empty cacheDirectory means the per-user application data directory.
    explicit SqlHandler(Connection connection = defaultConnection(), QString cacheDirectory = QString(),
                        Clock clock = &QDateTime::currentDateTime);
    ~SqlHandler() override;

    // Returns when satellite data is available, from the server or the cache;
    // throws std::runtime_error otherwise.
    void connectToDatabase();

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

private:
    void readTables();
    bool loadAllSatelites(const QStringList &tables);
    QVector<TransponderItem> loadItemsForSatelite(const QString &table);
    void createSateliteParams();
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
    // Each handler has a connection of its own, so handlers that overlap in
    // time (a new controller built before the old one is gone) never share or
    // remove each other's connection.
    const QString connectionName;
    QSqlDatabase database;
};
