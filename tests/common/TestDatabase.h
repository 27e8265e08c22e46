#pragma once

// Helpers for tests that need satellite data: the connection to the test's
// own server (tests registered with fenzo_add_database_test run through
// tests/common/isolated.sh, which starts it and names it in the environment),
// a connection that never answers, the cache file writer, and root access to
// the test server for tests that need tables of their own.

#include "CacheFile.h"
#include "db/SqlHandler.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>

namespace TestDatabase {

// The port of the test's own server, 0 when the test was not started with one.
inline int port()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("FENZO_TEST_DB_PORT", &ok);
    return ok ? value : 0;
}

// Root's socket of the test's own server.
inline QString socketPath()
{
    return qEnvironmentVariable("FENZO_TEST_DB_SOCKET");
}

inline QString missingServerMessage()
{
    return QStringLiteral("no test database: register this test with fenzo_add_database_test, which runs it "
                          "through tests/common/isolated.sh");
}

// The realistic set on the test's own server (tools/devdb/realistic.sql).
// Without one, a host name that fails at once: never whatever answers on the
// default port.
inline SqlHandler::Connection fixtureConnection(const QString &databaseName = QStringLiteral("satellites"))
{
    const QString host = port() > 0 ? QStringLiteral("127.0.0.1") : QStringLiteral("no-test-database!");
    return {host, databaseName, QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port()};
}

// A host name that cannot be one: open() fails at once without a look-up or
// a connection to anything, and the cache is used.
inline SqlHandler::Connection unreachableConnection()
{
    return {QStringLiteral("no-server!"), QStringLiteral("satellites"), QStringLiteral("fenzo_ro"),
            QStringLiteral("fenzo"), -1};
}

using CacheFile::cacheBytes;
using CacheFile::Satelites;
using CacheFile::writeCacheFile;

// Root on the fixture server, through its socket. Databases made with
// createDatabase() are readable by the program's account and are dropped
// again when this object goes.
class Admin
{
public:
    Admin() : name(QStringLiteral("TestDatabaseAdmin-%1").arg(quintptr(this), 0, 16))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        if (socketPath().isEmpty()) {
            error = missingServerMessage();
            return;
        }
        db.setHostName(QStringLiteral("localhost"));
        db.setUserName(QStringLiteral("root"));
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socketPath());
        opened = db.open();
        if (!opened)
            error = db.lastError().text();
    }
    ~Admin()
    {
        for (const QString &database : qAsConst(created))
            exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    Admin(const Admin &) = delete;
    Admin &operator=(const Admin &) = delete;

    bool isOpen() const { return opened; }
    QString lastError() const { return error; }

    bool exec(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        if (query.exec(statement))
            return true;
        error = statement + QStringLiteral(": ") + query.lastError().text();
        return false;
    }

    // A fresh database named after the test process and `tag`, filled with
    // `statements` (run with the database selected). Returns its name, or an
    // empty string on failure (see lastError()).
    QString createDatabase(const QString &tag, const QStringList &statements)
    {
        const QString database = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(tag);
        if (!exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database)) ||
            !exec(QStringLiteral("CREATE DATABASE `%1`").arg(database)))
            return QString();
        created << database;
        if (!exec(QStringLiteral("GRANT SELECT ON `%1`.* TO 'fenzo_ro'@'127.0.0.1'").arg(database)) ||
            !exec(QStringLiteral("USE `%1`").arg(database)))
            return QString();
        for (const QString &statement : statements) {
            if (!exec(statement))
                return QString();
        }
        return database;
    }

private:
    QString name;
    bool opened = false;
    QString error;
    QStringList created;
};

// A name as a MySQL identifier.
inline QString quoted(QString name)
{
    return QLatin1Char('`') + name.replace(QLatin1Char('`'), QStringLiteral("``")) + QLatin1Char('`');
}

// A satellite table in the server's layout.
inline QString createTable(const QString &name)
{
    return QStringLiteral(
               "CREATE TABLE %1 (Transponder INT UNSIGNED NOT NULL, Frequenz INT UNSIGNED NOT NULL, "
               "Polarisation VARCHAR(4) NOT NULL, Oszillatorfrequenz INT UNSIGNED NOT NULL, "
               "SATID INT UNSIGNED NOT NULL)")
        .arg(quoted(name));
}

// One row of a satellite table.
inline QString insertRow(const QString &table, quint32 tp, quint32 freq, const QString &pol, quint32 osc,
                         quint32 satId)
{
    return QStringLiteral("INSERT INTO %1 VALUES (%2, %3, '%4', %5, %6)")
        .arg(quoted(table))
        .arg(tp)
        .arg(freq)
        .arg(pol)
        .arg(osc)
        .arg(satId);
}

// A file's whole content; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestDatabase
