#include "CommandLineTool.h"
#include "DiffCommand.h"
#include "HelpText.h"
#include "ImportCommand.h"
#include "ListCommand.h"
#include "OwnTransponderCommand.h"
#include "ReadCommand.h"
#include "ReportCommand.h"
#include "RestoreCommand.h"
#include "SatellitesCommand.h"
#include "ServerCommand.h"
#include "SheetCommand.h"
#include "SiteCommand.h"
#include "ToolArguments.h"
#include "TransferCommand.h"

#include "WorkshopMode.h"
#include "db/OwnTransponderFile.h"

#include <utility>

namespace {
QString unknownOption(const QString &option)
{
    return CommandLineTool::tr("Unknown option %1. \"fenzo_cli --help\" lists the commands.").arg(option);
}
} // namespace

CommandLineTool::CommandLineTool(QTextStream &out, QTextStream &err, Environment environment, QObject *parent)
    : QObject(parent), output(out, err), environment(std::move(environment)),
      context(output, this->environment),
      workshop(context, [this](const QString &line) { emit switchHandled(line); })
{
}

void CommandLineTool::setLog(const LogRing *ring)
{
    context.log = ring;
}

CommandLineTool::~CommandLineTool() = default;

void CommandLineTool::stop()
{
    workshop.stop();
}

bool CommandLineTool::waitsForInterrupt(const QStringList &arguments)
{
    const ToolArguments a = ToolArguments::parse(arguments);
    return a.command == QLatin1String("store") && a.each && !a.help;
}

bool CommandLineTool::needsGui(const QStringList &arguments)
{
    return ToolArguments::parse(arguments).command == QLatin1String("sheet");
}

int CommandLineTool::run(const QStringList &arguments)
{
    const ToolArguments a = ToolArguments::parse(arguments);
    if (a.help)
        return help();
    if (!a.unknown.isEmpty()) {
        output.note(unknownOption(a.unknown));
        return Failure;
    }
    if (a.reset && a.command != QLatin1String("server")) {
        output.note(unknownOption(QStringLiteral("--reset")));
        return Failure;
    }
    if ((a.caGiven || !a.tls.isEmpty()) && a.command != QLatin1String("server")) {
        output.note(unknownOption(a.caGiven ? QStringLiteral("--ca") : a.tls));
        return Failure;
    }
    if (a.importGiven && a.command != QLatin1String("satellites")) {
        output.note(unknownOption(QStringLiteral("--import")));
        return Failure;
    }
    if (a.portMissing) {
        output.note(tr("--port needs the switch's port, for example /dev/ttyACM0."));
        return Failure;
    }
    const auto wants = [&](int files) {
        if (a.files.size() == files)
            return true;
        output.note(tr("Wrong number of file names. \"fenzo_cli --help\" lists the commands."));
        return false;
    };
    if (a.command == QLatin1String("list"))
        return wants(0) ? ListCommand(context).run() : int(Failure);
    if (a.command == QLatin1String("read"))
        return wants(1) ? ReadCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("diff"))
        return wants(1) ? DiffCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("test"))
        return wants(1) ? TransferCommand(context).run(a, false) : int(Failure);
    if (a.command == QLatin1String("store") && a.each)
        return wants(1) ? workshop.run(a) : int(Failure);
    if (a.command == QLatin1String("store"))
        return wants(1) ? TransferCommand(context).run(a, true) : int(Failure);
    if (a.command == QLatin1String("restore"))
        return wants(1) ? RestoreCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("server"))
        return wants(a.reset || a.files.isEmpty() ? 0 : 1) ? ServerCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("sheet"))
        return wants(2) ? SheetCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("satellites") && a.importGiven)
        return wants(0) ? ImportCommand(context).run(a.import) : int(Failure);
    if (a.command == QLatin1String("satellites") && a.files.size() == 1)
        return SatellitesCommand(context).listTransponders(a.files.constFirst());
    if (a.command == QLatin1String("satellites"))
        return wants(0) ? SatellitesCommand(context).listSatellites() : int(Failure);
    if (a.command == QLatin1String("transponder"))
        return transponder(a.files);
    if (a.command == QLatin1String("site"))
        return SiteCommand(output).run(a.files);
    if (a.command == QLatin1String("report"))
        return wants(1) ? ReportCommand(context).run(a) : int(Failure);
    if (a.command.isEmpty())
        output.note(tr("No command given. \"fenzo_cli --help\" lists the commands."));
    else
        output.note(tr("Unknown command %1. \"fenzo_cli --help\" lists the commands.").arg(a.command));
    return Failure;
}

int CommandLineTool::help()
{
    output.text(HelpText::text());
    return Success;
}

QString CommandLineTool::databaseMissingMessage()
{
    return ToolSatelliteData::databaseMissingMessage();
}

QString CommandLineTool::outdatedDataMessage()
{
    return ToolSatelliteData::outdatedDataMessage();
}

int CommandLineTool::transponder(const QStringList &arguments)
{
    OwnTransponderCommand command(output, OwnTransponderFile::pathIn(environment.cacheDirectory), [this] {
        return context.loadData() ? context.data.inUse() : nullptr;
    });
    return command.run(arguments);
}
