#pragma once

#include "DownloadLimits.h"
#include "DownloadProgress.h"
#include "DownloadResult.h"
#include "ServerConnection.h"

#include <QCoreApplication>
#include <QString>

// One download of every satellite table from the server, on a connection of
// its own: "SHOW TABLES", then all tables in one request (table by table
// where the server refuses that), counted against the limits as the rows
// arrive.
class ServerDownload
{
    Q_DECLARE_TR_FUNCTIONS(ServerDownload)

public:
    // Safe on any thread: it touches nothing but its own connection.
    static DownloadResult run(const ServerConnection &connection, const DownloadProgress &progress,
                              const DownloadLimits &limits);
    // Why a download brought no data: the database holds no satellites.
    static QString noSatellitesReason(const QString &databaseName);
};
