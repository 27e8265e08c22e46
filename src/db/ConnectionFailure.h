#pragma once

#include <QCoreApplication>
#include <QString>

// Why a connection to the satellite server failed, in the user's language.
// The reason follows from the client library's error number and, where the
// line could not be opened, from what a socket reported; never from the
// library's own (English) text, which goes to the log and the support report.
class ConnectionFailure
{
    Q_DECLARE_TR_FUNCTIONS(ConnectionFailure)

public:
    // What a socket to the server reported when the connection could not
    // be opened.
    enum class Socket
    {
        NotAsked,
        Refused,
        NoRoute,
        TimedOut,
        Accepted // the server takes connections again: no telling why not
    };

    struct Facts
    {
        unsigned int errorNumber = 0;
        Socket socket = Socket::NotAsked;
        QString server; // "host:port"
        QString user;
        QString database;
        int timeoutSeconds = 0;
    };

    // Whether the socket is asked: the error says the line did not open.
    static bool lineFailed(unsigned int errorNumber);
    static QString reason(const Facts &facts);
    static QString outOfMemory();
};
