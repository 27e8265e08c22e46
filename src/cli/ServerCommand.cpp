#include "ServerCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "db/ServerSettings.h"

#include <QFileInfo>

ServerCommand::ServerCommand(CommandContext &context) : context(context) {}

int ServerCommand::run(const ToolArguments &a)
{
    const ServerSettings settings(context.environment.serverSettingsFile);
    if (a.reset) {
        const QString why = settings.reset();
        if (!why.isEmpty())
            context.output.note(why);
        return why.isEmpty() ? CommandLineTool::Success : CommandLineTool::Failure;
    }
    SatelliteSource::Connection connection = settings.load();
    if (a.files.isEmpty() && !a.caGiven && a.tls.isEmpty()) {
        context.output.line(ServerSettings::describe(connection));
        context.output.line(
            (connection.requireTls ? tr("TLS required") : tr("TLS when offered")) + QStringLiteral(", ") +
            (connection.caFile.isEmpty() ? tr("certificates from the system's store")
                                         : tr("certificates from %1").arg(connection.caFile)));
        return CommandLineTool::Success;
    }
    // A new server with the stored database, user and password.
    QString why;
    if (!a.files.isEmpty()) {
        why = ServerSettings::parseHostPort(a.files.at(0), &connection.hostName, &connection.port);
        connection.requireTls = ServerSettings::tlsRequiredByDefault(connection.hostName);
    }
    if (a.caGiven)
        connection.caFile = a.ca.isEmpty() ? QString() : QFileInfo(a.ca).absoluteFilePath();
    if (!a.tls.isEmpty())
        connection.requireTls = a.tls == QLatin1String("--require-tls");
    if (why.isEmpty())
        why = settings.save(connection);
    if (!why.isEmpty()) {
        context.output.note(why);
        return CommandLineTool::Failure;
    }
    return CommandLineTool::Success;
}
