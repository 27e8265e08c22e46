#pragma once

#include "SqlHandler.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class QSettings;

// The satellite database server as a per-user setting: host, port, database,
// user and password. What is not stored is the compiled-in value
// (SqlHandler::defaultConnection()). The rules of a usable server setting
// live here, for the window's dialog and the command-line tool alike.
class ServerSettings
{
    Q_DECLARE_TR_FUNCTIONS(ServerSettings)

public:
    // The port the driver takes when none is set.
    static constexpr int standardPort = 3306;

    // An empty filePath means the user's own settings of the running
    // program (its organisation and application names).
    explicit ServerSettings(QString filePath = QString());

    // The stored server over the compiled-in one; a stored setting that
    // breaks the rules (edited by hand) counts as not stored.
    SqlHandler::Connection load() const;
    // Checks and stores; returns why not (translated), empty when stored.
    QString save(const SqlHandler::Connection &connection) const;
    // Forgets the stored server; returns why not, empty when done.
    QString reset() const;
    // Whether somebody named a server: the user stored one, or the program
    // was built for a server that is not this machine. Only then is a
    // failed download news for the notice.
    bool isChosen() const;

    // Why a server setting cannot be used, empty when it can.
    static QString problem(const SqlHandler::Connection &connection);
    // "HOST", "HOST:PORT" or "[ADDRESS]:PORT"; without a port the standard
    // one (-1). Returns why not, empty when the text is usable.
    static QString parseHostPort(const QString &text, QString *host, int *port);
    // Whether a plain connection is refused where the user set nothing:
    // for every server that is not this machine.
    static bool tlsRequiredByDefault(const QString &host);
    // The port the connection uses: its own, else the standard one.
    static int portOf(const SqlHandler::Connection &connection)
    {
        return connection.port == -1 ? standardPort : connection.port;
    }
    // "host:port" ("[address]:port" for IPv6), with the standard port where
    // none is set.
    static QString hostAndPort(const SqlHandler::Connection &connection);
    // "host:port database user", never the password.
    static QString describe(const SqlHandler::Connection &connection);

private:
    std::unique_ptr<QSettings> open() const;
    QString written(QSettings &settings) const;
    static void prepareFile(const QString &path);
    // A folder made with no access for others from its start; true when it
    // is there.
    static bool makePrivateFolder(const QString &path);
    static void makePrivateFile(const QString &path);

    QString filePath;
};
