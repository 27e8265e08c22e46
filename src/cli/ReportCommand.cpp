#include "ReportCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "device/SerialPortHandler.h"
#include "io/LogRing.h"
#include "report/SupportReport.h"
#include "service/SerialPortLines.h"

#include <QDir>

#include <exception>

ReportCommand::ReportCommand(CommandContext &context) : context(context) {}

int ReportCommand::run(const ToolArguments &a)
{
    // Whatever can be gathered goes in: missing data or no switch are facts
    // of the report, not failures of the command.
    SupportReport::Facts facts = SupportReport::running();
    facts.secrets << context.environment.connection.password;
    context.loadData();
    facts.satelliteData = context.data.describe();
    try {
        for (const SerialPortCandidate &candidate : context.environment.portLister())
            facts.ports << SerialPortLines::line(candidate);
    } catch (const std::exception &e) {
        facts.ports << QString::fromUtf8(e.what());
    }
    if (context.data.source()) {
        QStringList found;
        QStringList portProblems;
        for (const auto &connected : context.findSwitches(a.port, &portProblems))
            found << QDir::toNativeSeparators(connected->port) + QLatin1Char('\t') +
                         connected->device->serialNumber();
        facts.switchId = found.join(QLatin1Char('\n'));
        facts.portProblems = portProblems;
    }
    if (context.log)
        facts.log = context.log->lines();
    QString reason;
    const QString path = a.files.at(0);
    if (!SupportReport::save(path, facts, &reason)) {
        context.output.note(SupportReport::saveFailure(path, reason));
        return CommandLineTool::Failure;
    }
    return CommandLineTool::Success;
}
