#pragma once

#include "SatelliteTables.h"
#include "ServerConnection.h"

#include <QString>

// The outcome of one download attempt. Only a complete one carries data.
struct DownloadResult
{
    bool opened = false;   // the server accepted the connection
    bool complete = false; // every table arrived whole
    // The server answered whole, but its database holds no satellites:
    // no data, and never in place of any.
    bool withoutSatellites = false;
    QString reason;         // why not, as the server or driver said it
    bool encrypted = false; // the connection was encrypted (TLS)
    SatelliteTables tables;
    // The server asked, so that the data are labelled with their own
    // even when another is set while the download runs.
    ServerConnection server;
};
