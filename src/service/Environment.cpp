#include "Environment.h"

#include "db/DownloadChild.h"

Environment Environment::production()
{
    Environment environment;
    const ServerSettings settings;
    environment.connection = settings.load();
    environment.serverChosen = settings.isChosen();
    environment.downloadProgram = DownloadChild::ownProgram();
    return environment;
}

Environment Environment::withServerSettingsFile(const QString &file)
{
    Environment environment;
    environment.serverSettingsFile = file;
    const ServerSettings settings(file);
    environment.connection = settings.load();
    environment.serverChosen = settings.isChosen();
    return environment;
}
