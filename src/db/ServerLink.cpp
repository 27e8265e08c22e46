#include "ServerLink.h"

#include "io/LogCategories.h"

#include <QFileInfo>

#include <errmsg.h>
#include <mysql.h>

#include <mutex>

namespace {
// The client library's global state is made once, before any thread makes
// a connection (its implicit set-up is not safe on several threads).
void initialiseLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mysql_library_init(0, nullptr, nullptr); });
}

// Only plugins that never show the password to the line: the native
// scramble and ed25519. "mysql_clear_password" and "dialog" send it as it is.
const char *const allowedAuthentication = "mysql_native_password,client_ed25519";
} // namespace

ServerLink::ServerLink(std::shared_ptr<DownloadStop> stop) : stop(std::move(stop))
{
    if (!this->stop)
        this->stop = std::make_shared<DownloadStop>();
    initialiseLibrary();
    mysql = mysql_init(nullptr);
}

ServerLink::~ServerLink()
{
    if (!mysql)
        return;
    // Closing sends a goodbye and may read what is left of a result: on a
    // line given up on, that must fail at once.
    if (connected)
        abandon();
    mysql_close(mysql);
    stop->detach();
}

QString ServerLink::open(const SqlHandler::Connection &connection)
{
    if (!mysql)
        return tr("the database client could not be started (out of memory)");
    if (!connection.caFile.isEmpty() && !QFileInfo(connection.caFile).isReadable())
        return tr("the certificate file %1 cannot be read").arg(connection.caFile);
    // Where a plain connection is allowed (a server on this machine, or as
    // the user chose), none is attempted with TLS: the client library
    // refuses a server without TLS once TLS is asked for.
    if (connect(connection, connection.requireTls))
        return checkedConnection(connection);
    return failure();
}

bool ServerLink::connect(const SqlHandler::Connection &connection, bool tls)
{
    const unsigned int seconds = unsigned(qMax(1, connection.timeoutSeconds));
    mysql_optionsv(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &seconds);
    mysql_optionsv(mysql, MYSQL_OPT_READ_TIMEOUT, &seconds);
    mysql_optionsv(mysql, MYSQL_OPT_WRITE_TIMEOUT, &seconds);
    const unsigned int noLocalFiles = 0;
    mysql_optionsv(mysql, MYSQL_OPT_LOCAL_INFILE, &noLocalFiles);
    const unsigned long packet = maxPacketBytes;
    mysql_optionsv(mysql, MYSQL_OPT_MAX_ALLOWED_PACKET, &packet);
    mysql_optionsv(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    mysql_optionsv(mysql, MARIADB_OPT_RESTRICTED_AUTH, allowedAuthentication);

    // TLS with the server's certificate checked against the CA file or the
    // system's store.
    const QByteArray ca = connection.caFile.toLocal8Bit();
    if (tls) {
        const my_bool yes = 1;
        mysql_optionsv(mysql, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &yes);
        mysql_optionsv(mysql, MYSQL_OPT_SSL_ENFORCE, &yes);
        if (!ca.isEmpty())
            mysql_optionsv(mysql, MYSQL_OPT_SSL_CA, ca.constData());
    }

    const QByteArray host = connection.hostName.toUtf8();
    const QByteArray user = connection.userName.toUtf8();
    const QByteArray password = connection.password.toUtf8();
    const QByteArray database = connection.databaseName.toUtf8();
    const unsigned int port = connection.port == -1 ? 0 : unsigned(connection.port);
    if (stop->stopped())
        return false;
    connected = mysql_real_connect(mysql, host.constData(), user.constData(), password.constData(),
                                   database.constData(), port, nullptr,
                                   CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS) != nullptr;
    return connected;
}

QString ServerLink::checkedConnection(const SqlHandler::Connection &connection)
{
    if (!stop->attach(int(mysql_get_socket(mysql))))
        return stoppedOr(QString());
    if (connection.requireTls && !encrypted())
        return tr("the server offers no encrypted connection (TLS), which this server setting requires");
    qCDebug(dbLog) << "Connected, encrypted:" << encrypted();
    return QString();
}

bool ServerLink::encrypted() const
{
    return connected && mysql_get_ssl_cipher(mysql) != nullptr;
}

QString ServerLink::send(const QByteArray &statement)
{
    if (stop->stopped())
        return stoppedOr(QString());
    if (mysql_real_query(mysql, statement.constData(), statement.size()) != 0)
        return failure();
    return QString();
}

QString ServerLink::readResult(int columns, const RowReader &reader)
{
    MYSQL_RES *result = mysql_use_result(mysql);
    if (!result) {
        if (mysql_errno(mysql) != 0)
            return failure();
        // A statement without rows where a table was asked for.
        return tr("the server's answer broke off inside a table");
    }
    QString reason;
    if (int(mysql_num_fields(result)) != columns)
        reason = tr("the server's answer has %1 columns where %2 were expected")
                     .arg(mysql_num_fields(result))
                     .arg(columns);
    Row row(columns);
    while (reason.isEmpty()) {
        const MYSQL_ROW fields = mysql_fetch_row(result);
        if (!fields) {
            if (mysql_errno(mysql) != 0)
                reason = failure();
            break;
        }
        const unsigned long *lengths = mysql_fetch_lengths(result);
        for (int i = 0; i < columns; ++i)
            row[i] = fields[i] ? QByteArray(fields[i], int(lengths[i])) : QByteArray();
        reason = reader(row);
    }
    // The rest of a refused result is never read: freeing it would.
    if (!reason.isEmpty())
        abandon();
    mysql_free_result(result);
    return stoppedOr(reason);
}

bool ServerLink::nextResult(QString *reason)
{
    const int next = mysql_next_result(mysql);
    if (next > 0)
        *reason = failure();
    return next == 0;
}

void ServerLink::abandon()
{
    // The same shutdown as from another thread; the socket stays the
    // library's to close.
    if (!connected)
        return;
    auto local = std::make_shared<DownloadStop>();
    local->attach(int(mysql_get_socket(mysql)));
    local->stop();
}

QString ServerLink::failure() const
{
    const QString text = QString::fromUtf8(mysql_error(mysql)).trimmed();
    qCDebug(dbLog) << "Database client:" << mysql_errno(mysql) << text;
    return stoppedOr(text.isEmpty() ? tr("the database client failed (%1)").arg(mysql_errno(mysql)) : text);
}

QString ServerLink::stoppedOr(const QString &reason) const
{
    return stop->stopped() ? tr("the download was stopped") : reason;
}
