#include "ListCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "device/SerialPortHandler.h"

#include <QDir>

ListCommand::ListCommand(CommandContext &context) : context(context) {}

int ListCommand::run()
{
    QStringList portProblems;
    const auto found = context.findSwitches(QString(), &portProblems);
    if (found.empty()) {
        context.output.notes(portProblems.isEmpty() ? QStringList{tr("No switch found.")} : portProblems);
        return CommandLineTool::Failure;
    }
    for (const auto &connected : found)
        context.output.fields({QDir::toNativeSeparators(connected->port), connected->device->serialNumber()});
    return CommandLineTool::Success;
}
