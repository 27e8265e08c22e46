#pragma once

// The surroundings of a window or tool put together in a test or benchmark
// with no server, no switch and nothing of the user's: the server's host
// name fails at once (the cache or built-in data are used), the offline
// cache and the server setting are kept in `directory`, no serial port is
// listed and the random source is fixed.

#include "service/Environment.h"

namespace OfflineEnvironment {

inline Environment in(const QString &directory)
{
    Environment environment;
    environment.connection = {QStringLiteral("no-server!"), QStringLiteral("satellites"),
                              QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), -1};
    environment.cacheDirectory = directory;
    environment.serverSettingsFile = directory + QStringLiteral("/server.ini");
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    environment.random = [] { return 6u; };
    return environment;
}

} // namespace OfflineEnvironment
