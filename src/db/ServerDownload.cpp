#include "ServerDownload.h"

#include "ConnectionFailure.h"
#include "DownloadTables.h"
#include "ServerLink.h"
#include "io/LogCategories.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStringList>

#include <new>
#include <stdexcept>

namespace {
// A table name as a MySQL identifier: in backticks, an inner backtick doubled,
// so that any name reads its own table and never changes the statement.
QString quotedIdentifier(QString name)
{
    return QLatin1Char('`') + name.replace(QLatin1Char('`'), QStringLiteral("``")) + QLatin1Char('`');
}

const char *const selectFailure = "SqlHandler::loadItemsForSatelite: error on getting items for satelite";

// The one statement that reads a satellite table.
QString selectStatement(const QString &table)
{
    return QStringLiteral("SELECT Transponder, Frequenz, Polarisation, Oszillatorfrequenz, SATID FROM ") +
           quotedIdentifier(table);
}

// A download that went wrong; what() is the reason the user is shown.
struct DownloadFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const char *what, const QString &reason)
{
    qCDebug(dbLog) << what << reason;
    throw DownloadFailure((reason.isEmpty() ? QString::fromLatin1(what) : reason).toStdString());
}

// The rows of the current result set, in the order the server sent them.
void readItems(ServerLink &link, const QString &table, DownloadTables &tables)
{
    const QString reason = link.readResult(
        DownloadTables::rowColumns, [&](const ServerLink::Row &row) { return tables.addRow(table, row); });
    // A result that breaks off (a lost connection) is not the whole table.
    if (!reason.isEmpty())
        fail(selectFailure, reason);
}

void loadItemsForSatelite(ServerLink &link, const QString &table, DownloadTables &tables)
{
    const QString reason = link.send(selectStatement(table).toUtf8());
    if (!reason.isEmpty())
        fail(selectFailure, reason);
    readItems(link, table, tables);
}

// All tables in one request: over a slow line every request costs a round
// trip. False when the request as a whole was refused (a server that does
// not take several statements at once).
bool loadAllSatelites(ServerLink &link, DownloadTables &data)
{
    const QStringList &tables = data.tables();
    QStringList statements;
    statements.reserve(tables.size());
    for (const QString &table : tables)
        statements << selectStatement(table);

    // A failure before the first result set may be a refusal of the whole
    // request; the caller then asks table by table and meets any real fault
    // of the first table there.
    const QString refused = link.send(statements.join(QLatin1Char(';')).toUtf8());
    if (!refused.isEmpty()) {
        qCDebug(dbLog) << "Reading the tables one by one; the request with all of them failed:" << refused;
        return false;
    }
    for (int i = 0; i < tables.size(); ++i) {
        // A cut line ends the results early: that is no whole download.
        QString reason;
        if (i > 0 && !link.nextResult(&reason)) {
            if (!reason.isEmpty())
                fail(selectFailure, reason);
            throw DownloadFailure(QCoreApplication::translate(
                                      "ServerDownload", "the server's answer ended after %1 of %2 tables")
                                      .arg(i)
                                      .arg(tables.size())
                                      .toStdString());
        }
        readItems(link, tables.at(i), data);
    }
    // The end of the answer must arrive too, cleanly.
    QString reason;
    if (link.nextResult(&reason) || !reason.isEmpty())
        fail(selectFailure, reason);
    return true;
}

SatelliteTables readTables(ServerLink &link, const DownloadLimits &limits, const DownloadProgress &progress)
{
    const char *const listFailure = "SqlHandler: Couldn't read tables from database";
    QString reason = link.send(QByteArrayLiteral("SHOW TABLES"));
    if (!reason.isEmpty())
        fail(listFailure, reason);
    DownloadTables data(limits, progress);
    reason = link.readResult(1, [&](const ServerLink::Row &row) { return data.addTable(row); });
    if (!reason.isEmpty())
        fail(listFailure, reason);

    if (!data.tables().isEmpty() && !loadAllSatelites(link, data)) {
        for (const QString &table : data.tables())
            loadItemsForSatelite(link, table, data);
    }
    try {
        return data.result();
    } catch (const std::runtime_error &e) {
        throw DownloadFailure(e.what());
    }
}
} // namespace

DownloadResult ServerDownload::run(const ServerConnection &connection, const DownloadProgress &progress,
                                   const DownloadLimits &limits)
{
    DownloadResult result;
    result.server = connection;
    ServerLink link(progress.stop);
    const QString refused = link.open(connection);
    result.opened = refused.isEmpty();
    if (!result.opened) {
        result.reason = refused;
        qCDebug(dbLog) << "Not connected:" << refused;
        return result;
    }
    result.encrypted = link.encrypted();
    if (progress.opened)
        progress.opened();
    qCDebug(dbLog) << "Connected to db";
    try {
        result.tables = readTables(link, limits, progress);
        result.withoutSatellites = !result.tables.holdsSatellites();
        result.complete = !result.withoutSatellites;
        if (result.withoutSatellites) {
            result.reason = noSatellitesReason(connection.databaseName);
            result.tables = SatelliteTables();
        }
    } catch (const std::bad_alloc &) {
        result.reason = ConnectionFailure::outOfMemory();
    } catch (const std::exception &e) {
        result.reason = QString::fromUtf8(e.what());
    }
    return result;
}

QString ServerDownload::noSatellitesReason(const QString &databaseName)
{
    return tr("the server's database \"%1\" holds no satellite data").arg(databaseName);
}
