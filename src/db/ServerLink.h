#pragma once

#include "ConnectionFailure.h"
#include "DownloadStop.h"
#include "SqlHandler.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

struct st_mysql;

// One connection to the satellite server through the MariaDB client library,
// made and used on one thread. It reads results row by row as they arrive
// (nothing is held whole), never sends the password where it could be read
// (no clear-text authentication plugin; TLS verified against the system's
// store or the given CA file; a plain connection refused where TLS is
// required) and can be ended from another thread through its DownloadStop.
// Every failure is a reason the user can be shown, in the user's language
// (the client library's own text goes to the log); empty means success.
class ServerLink
{
    Q_DECLARE_TR_FUNCTIONS(ServerLink)

public:
    // The largest packet taken from the server: a row of the satellite data
    // is a few dozen bytes, a table name at most a few hundred.
    static constexpr unsigned long maxPacketBytes = 1024 * 1024;

    using Row = QVector<QByteArray>;
    // Told every row of a result; a non-empty answer stops the reading with
    // that reason.
    using RowReader = std::function<QString(const Row &)>;

    // Sets up the client library's global state on the calling thread. A
    // thread that starts download workers calls it first: what the set-up
    // keeps for its thread then belongs to one that ends with the program,
    // not to a worker that may be given up and never end.
    static void prepareLibrary();

    explicit ServerLink(std::shared_ptr<DownloadStop> stop);
    ~ServerLink();
    ServerLink(const ServerLink &) = delete;
    ServerLink &operator=(const ServerLink &) = delete;

    QString open(const SqlHandler::Connection &connection);
    // Whether the connection is encrypted (TLS).
    bool encrypted() const;
    // Sends one request (several statements separated by ";").
    QString send(const QByteArray &statement);
    // Reads the current result set, which must have `columns` columns.
    QString readResult(int columns, const RowReader &reader);
    // Moves to the next result set of the request; false at the end or on a
    // failure (then `reason` says why).
    bool nextResult(QString *reason);
    // Ends the connection without reading what the server still sends.
    void abandon();

    // A result set or row with another number of columns than asked for.
    static QString columnsMessage(qint64 found, int expected);

private:
    static QString noClientMessage();
    bool connect(const SqlHandler::Connection &connection, bool tls);
    // Waits for what a step of the connection waits for (MYSQL_WAIT_* bits)
    // and says what happened; MYSQL_WAIT_TIMEOUT when the step's time ran out
    // or the download was stopped.
    int awaitSocket(int waitFor) const;
    // Whether the last attempt failed only because TLS was asked for and
    // the server's greeting offers none.
    bool greetedWithoutTls() const;
    QString checkedConnection(const SqlHandler::Connection &connection);
    QString failure() const;
    QString connectFailure(qint64 elapsedMs) const;
    QString stoppedOr(const QString &reason) const;

    std::shared_ptr<DownloadStop> stop;
    st_mysql *mysql = nullptr;
    bool connected = false;
    // Named in the reasons the user reads.
    ConnectionFailure::Facts facts;
    QByteArray host;
    unsigned int port = 0;
};
