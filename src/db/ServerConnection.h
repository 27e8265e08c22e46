#pragma once

#include <QString>

// The satellite database server a download asks, and how.
struct ServerConnection
{
    QString hostName;
    QString databaseName;
    QString userName;
    QString password;
    int port = -1; // -1: the driver's default
    // Limit of the connection set-up and of every single read and write
    // on the line: a silent or stalled server ends the attempt.
    int timeoutSeconds = 4;
    // Certificate authorities for the server's TLS certificate, in a PEM
    // file; empty: the system's store. Initialised, so that a
    // connection listing only the fields before it is complete.
    QString caFile = QString();
    // A plain (unencrypted) connection is refused.
    bool requireTls = false;
};
