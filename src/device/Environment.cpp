#include "Environment.h"

Environment Environment::withServerSettingsFile(const QString &file)
{
    Environment environment;
    environment.serverSettingsFile = file;
    environment.connection = ServerSettings(file).load();
    return environment;
}
