#include "ConnectionFailure.h"

#include <errmsg.h>
#include <mysqld_error.h>

namespace {
QString unreachable(const ConnectionFailure::Facts &facts)
{
    switch (facts.socket) {
    case ConnectionFailure::Socket::Refused:
        return ConnectionFailure::tr("server %1 cannot be reached: connection refused").arg(facts.server);
    case ConnectionFailure::Socket::NoRoute:
        return ConnectionFailure::tr("server %1 cannot be reached: no route to the host").arg(facts.server);
    case ConnectionFailure::Socket::TimedOut:
        return ConnectionFailure::tr("server %1 cannot be reached: no answer within %2 s")
            .arg(facts.server)
            .arg(facts.timeoutSeconds);
    case ConnectionFailure::Socket::NotAsked:
    case ConnectionFailure::Socket::Accepted:
        break;
    }
    return ConnectionFailure::tr("server %1 cannot be reached").arg(facts.server);
}
} // namespace

bool ConnectionFailure::lineFailed(unsigned int errorNumber)
{
    return errorNumber == CR_CONNECTION_ERROR || errorNumber == CR_CONN_HOST_ERROR;
}

QString ConnectionFailure::reason(const Facts &facts)
{
    switch (facts.errorNumber) {
    case CR_CONNECTION_ERROR:
    case CR_CONN_HOST_ERROR:
        return unreachable(facts);
    case CR_UNKNOWN_HOST:
        return tr("server %1 cannot be reached: the host name is unknown").arg(facts.server);
    case ER_ACCESS_DENIED_ERROR:
    case ER_ACCESS_DENIED_NO_PASSWORD_ERROR:
        return tr("server %1 refused the user \"%2\": wrong user name or password")
            .arg(facts.server, facts.user);
    case ER_DBACCESS_DENIED_ERROR:
        // The server says so for a database that does not exist, too, to
        // a user who may not see the others.
        return tr("the user \"%3\" cannot access a database \"%2\" on server %1")
            .arg(facts.server, facts.database, facts.user);
    case ER_HOST_NOT_PRIVILEGED:
    case ER_HOST_IS_BLOCKED:
        return tr("server %1 refuses connections from this computer").arg(facts.server);
    case ER_BAD_DB_ERROR:
        return tr("server %1 has no database \"%2\"").arg(facts.server, facts.database);
    case ER_BAD_FIELD_ERROR:
        return tr("server %1: a table in the database \"%2\" does not have the columns of satellite data")
            .arg(facts.server, facts.database);
    case CR_SERVER_GONE_ERROR:
    case CR_SERVER_LOST:
    case CR_SERVER_LOST_EXTENDED:
    case CR_ERR_NET_READ:
    case CR_ERR_NET_WRITE:
    case ER_NET_READ_INTERRUPTED:
        return tr("the connection to server %1 was lost").arg(facts.server);
    case CR_SSL_CONNECTION_ERROR:
        return tr("server %1 offers no trusted encrypted connection (TLS): it has no TLS, or its certificate "
                  "is not trusted")
            .arg(facts.server);
    case CR_PLUGIN_NOT_ALLOWED:
    case CR_AUTH_PLUGIN_CANNOT_LOAD:
        return tr("server %1 asks for a sign-in that would send the password in plain text; it is refused")
            .arg(facts.server);
    case CR_NET_PACKET_TOO_LARGE:
    case ER_NET_PACKET_TOO_LARGE:
        return tr("server %1 sent a row larger than 1 MB").arg(facts.server);
    case ER_CON_COUNT_ERROR:
        return tr("server %1 has too many connections").arg(facts.server);
    case CR_OUT_OF_MEMORY:
        return outOfMemory();
    default:
        break;
    }
    return tr("server %1 reported error %2").arg(facts.server).arg(facts.errorNumber);
}

QString ConnectionFailure::outOfMemory()
{
    return tr("the database client ran out of memory");
}
