#include "ReadCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"

ReadCommand::ReadCommand(CommandContext &context) : context(context) {}

int ReadCommand::run(const ToolArguments &a)
{
    if (!context.loadData())
        return CommandLineTool::Failure;
    const auto connected = context.theSwitch(a.port);
    if (!connected)
        return CommandLineTool::Failure;
    // The switch keeps no name for an LNB without static UBs: such an LNB
    // gets the satellite the window would preset.
    const QStringList names = context.data.startPair();
    DeviceTransfers::Result read;
    if (!context.output.attempt([&] {
            read = SwitchAccess::await(*connected, [&] {
                connected->transfers->readPlan(names.value(0), names.value(1), context.data.catalogue());
            });
        }))
        return CommandLineTool::Failure;
    if (context.statusOf(read) != CommandLineTool::Success)
        return CommandLineTool::Failure;
    if (!read.readNote.isEmpty())
        context.output.note(read.readNote);
    context.noteNumbering(read.plan);
    return context.writePlan(a.files.at(0), read.plan) ? CommandLineTool::Success : CommandLineTool::Failure;
}
