#include "ServerLink.h"

#include "ServerSettings.h"
#include "io/LogCategories.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>

#include <errmsg.h>
#include <mysql.h>

#include <mutex>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

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

// The longest wait for the socket that tells why a connection did not open.
constexpr int probeMs = 1000;

#ifdef Q_OS_UNIX
// How often a connection that is opening looks whether it was stopped.
constexpr int stopCheckMs = 50;

ConnectionFailure::Socket socketReport(int error)
{
    switch (error) {
    case 0:
        return ConnectionFailure::Socket::Accepted;
    case ECONNREFUSED:
        return ConnectionFailure::Socket::Refused;
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
    case ENETDOWN:
        return ConnectionFailure::Socket::NoRoute;
    case ETIMEDOUT:
        return ConnectionFailure::Socket::TimedOut;
    default:
        return ConnectionFailure::Socket::NotAsked;
    }
}

// The client library reports a line that did not open with a stale system
// error, so a socket of our own asks the same address once more and says
// what the system answered. It sends nothing.
ConnectionFailure::Socket probe(const QByteArray &host, unsigned int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0 || !found)
        return ConnectionFailure::Socket::NotAsked;
    ConnectionFailure::Socket said = ConnectionFailure::Socket::NotAsked;
    const int fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        if (::connect(fd, found->ai_addr, found->ai_addrlen) == 0) {
            said = ConnectionFailure::Socket::Accepted;
        } else if (errno != EINPROGRESS) {
            said = socketReport(errno);
        } else {
            pollfd waiting{fd, POLLOUT, 0};
            const int ready = ::poll(&waiting, 1, probeMs);
            int error = 0;
            socklen_t length = sizeof error;
            if (ready == 0)
                said = ConnectionFailure::Socket::TimedOut;
            else if (ready > 0 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0)
                said = socketReport(error);
        }
        ::close(fd);
    }
    freeaddrinfo(found);
    return said;
}
#else
ConnectionFailure::Socket probe(const QByteArray &, unsigned int)
{
    return ConnectionFailure::Socket::NotAsked;
}
#endif
} // namespace

void ServerLink::prepareLibrary()
{
    initialiseLibrary();
}

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
    // A stop from another thread may come at any moment: it must no longer
    // know the socket once the library closes it, or it could shut down
    // whatever the system gives that number next.
    stop->detach();
    mysql_close(mysql);
}

QString ServerLink::noClientMessage()
{
    return tr("the database client could not be started (out of memory)");
}

QString ServerLink::columnsMessage(qint64 found, int expected)
{
    return tr("the server's answer has %1 columns where %2 were expected").arg(found).arg(expected);
}

QString ServerLink::open(const SqlHandler::Connection &connection)
{
    if (!mysql)
        return noClientMessage();
    if (!connection.caFile.isEmpty() && !QFileInfo(connection.caFile).isReadable())
        return tr("the certificate file %1 cannot be read").arg(connection.caFile);
    QElapsedTimer elapsed;
    elapsed.start();
    if (connect(connection, true))
        return checkedConnection(connection);
    // The client library refuses a server without TLS once TLS is asked
    // for. Where a plain connection is allowed (a server on this machine,
    // or as the user chose), a server whose greeting offers no TLS is asked
    // once more without; one that offers TLS and fails it (an untrusted
    // certificate) is not: that would be a downgrade.
    if (connection.requireTls || !greetedWithoutTls())
        return connectFailure(elapsed.elapsed());
    qCDebug(dbLog) << "The server offers no TLS; connecting without";
    mysql_close(mysql);
    mysql = mysql_init(nullptr);
    if (!mysql)
        return noClientMessage();
    elapsed.restart();
    if (connect(connection, false))
        return checkedConnection(connection);
    return connectFailure(elapsed.elapsed());
}

bool ServerLink::greetedWithoutTls() const
{
    if (mysql_errno(mysql) != CR_SSL_CONNECTION_ERROR || stop->stopped())
        return false;
    // Zero when no greeting came.
    unsigned long capabilities = 0;
    if (mariadb_get_infov(mysql, MARIADB_CONNECTION_SERVER_CAPABILITIES, &capabilities) != 0)
        return false;
    return capabilities != 0 && !(capabilities & CLIENT_SSL);
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

    host = connection.hostName.toUtf8();
    port = connection.port == -1 ? 0 : unsigned(connection.port);
    facts.server = ServerSettings::hostAndPort(connection);
    facts.user = connection.userName;
    facts.database = connection.databaseName;
    facts.timeoutSeconds = int(seconds);
    const QByteArray user = connection.userName.toUtf8();
    const QByteArray password = connection.password.toUtf8();
    const QByteArray database = connection.databaseName.toUtf8();
    if (stop->stopped())
        return false;
#ifdef Q_OS_UNIX
    // Made step by step, so that a stop from another thread ends a
    // connection that is still opening at once, not after its time-out.
    // The later calls block as before: the library switches back itself.
    if (mysql_options(mysql, MYSQL_OPT_NONBLOCK, nullptr) == 0) {
        MYSQL *made = nullptr;
        int waitFor = mysql_real_connect_start(&made, mysql, host.constData(), user.constData(),
                                               password.constData(), database.constData(), port, nullptr,
                                               CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS);
        while (waitFor != 0)
            waitFor = mysql_real_connect_cont(&made, mysql, awaitSocket(waitFor));
        connected = made != nullptr;
        return connected;
    }
#endif
    connected = mysql_real_connect(mysql, host.constData(), user.constData(), password.constData(),
                                   database.constData(), port, nullptr,
                                   CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS) != nullptr;
    return connected;
}

#ifdef Q_OS_UNIX
int ServerLink::awaitSocket(int waitFor) const
{
    pollfd socket{int(mysql_get_socket(mysql)), 0, 0};
    if (waitFor & MYSQL_WAIT_READ)
        socket.events |= POLLIN;
    if (waitFor & MYSQL_WAIT_WRITE)
        socket.events |= POLLOUT;
    if (waitFor & MYSQL_WAIT_EXCEPT)
        socket.events |= POLLPRI;
    const QDeadlineTimer deadline = (waitFor & MYSQL_WAIT_TIMEOUT)
                                        ? QDeadlineTimer(qint64(mysql_get_timeout_value_ms(mysql)))
                                        : QDeadlineTimer(QDeadlineTimer::Forever);
    // The stop is looked at between short waits; a stopped or timed-out
    // step is reported to the library as its time-out, which ends the
    // connection attempt and releases the socket.
    while (!stop->stopped()) {
        const int slice = int(
            qMin(deadline.remainingTime() < 0 ? stopCheckMs : deadline.remainingTime(), qint64(stopCheckMs)));
        const int ready = ::poll(&socket, 1, slice);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0) {
            int happened = 0;
            // An error or hang-up is for the library's next read or write
            // to find.
            const short failed = POLLERR | POLLHUP | POLLNVAL;
            if (socket.revents & (POLLIN | failed))
                happened |= MYSQL_WAIT_READ;
            if (socket.revents & (POLLOUT | failed))
                happened |= MYSQL_WAIT_WRITE;
            if (socket.revents & POLLPRI)
                happened |= MYSQL_WAIT_EXCEPT;
            return happened & (waitFor | MYSQL_WAIT_READ | MYSQL_WAIT_WRITE);
        }
        if (deadline.hasExpired())
            break;
    }
    return MYSQL_WAIT_TIMEOUT;
}
#endif

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
        reason = columnsMessage(qint64(mysql_num_fields(result)), columns);
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
    ConnectionFailure::Facts said = facts;
    said.errorNumber = mysql_errno(mysql);
    qCDebug(dbLog) << "Database client:" << said.errorNumber << mysql_error(mysql);
    return stoppedOr(ConnectionFailure::reason(said));
}

QString ServerLink::connectFailure(qint64 elapsedMs) const
{
    ConnectionFailure::Facts said = facts;
    said.errorNumber = mysql_errno(mysql);
    qCDebug(dbLog) << "Database client:" << said.errorNumber << mysql_error(mysql);
    if (stop->stopped())
        return stoppedOr(QString());
    // "localhost" is the server's local socket, not a TCP port.
    const bool local = host.isEmpty() || host == "localhost";
    // The whole time-out spent without a greeting is an answer of its own,
    // whether the line opened (a silent server) or not.
    const bool timedOut = elapsedMs >= qint64(facts.timeoutSeconds) * 1000 - 250;
    if (timedOut && (ConnectionFailure::lineFailed(said.errorNumber) || said.errorNumber == CR_SERVER_LOST)) {
        said.errorNumber = CR_CONN_HOST_ERROR;
        said.socket = ConnectionFailure::Socket::TimedOut;
    } else if (ConnectionFailure::lineFailed(said.errorNumber) && !local) {
        said.socket = probe(host, port == 0 ? unsigned(ServerSettings::standardPort) : port);
    }
    return stoppedOr(ConnectionFailure::reason(said));
}

QString ServerLink::stoppedOr(const QString &reason) const
{
    return stop->stopped() ? tr("the download was stopped") : reason;
}
