#include "ServerChoice.h"

#include "db/ServerSettings.h"

ServerChoice ServerChoice::of(const SatelliteSource::Connection &connection)
{
    ServerChoice choice;
    choice.host = connection.hostName;
    choice.port = connection.port == -1 ? QString() : QString::number(connection.port);
    choice.database = connection.databaseName;
    choice.user = connection.userName;
    choice.password = connection.password;
    choice.caFile = connection.caFile;
    choice.requireTls = connection.requireTls;
    return choice;
}

SatelliteSource::Connection ServerChoice::appliedTo(SatelliteSource::Connection base) const
{
    base.hostName = host.trimmed();
    base.databaseName = database.trimmed();
    base.userName = user.trimmed();
    base.password = password;
    base.caFile = caFile.trimmed();
    base.requireTls = requireTls.value_or(ServerSettings::tlsRequiredByDefault(base.hostName));
    const QString portText = port.trimmed();
    bool number = true;
    base.port = portText.isEmpty() ? -1 : portText.toInt(&number);
    if (!number)
        base.port = 0;
    return base;
}
