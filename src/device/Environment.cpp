#include "Environment.h"

#include "db/DownloadChild.h"

Environment Environment::production()
{
    Environment environment;
    environment.connection = ServerSettings().load();
    environment.downloadProgram = DownloadChild::ownProgram();
    return environment;
}

Environment Environment::withServerSettingsFile(const QString &file)
{
    Environment environment;
    environment.serverSettingsFile = file;
    environment.connection = ServerSettings(file).load();
    return environment;
}
