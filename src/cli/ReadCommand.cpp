#include "ReadCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"

ReadCommand::ReadCommand(CommandContext &context) : context(context) {}

int ReadCommand::run(const ToolArguments &a)
{
    // The switch keeps no name for an LNB without static UBs: such an LNB
    // gets the satellite the window would preset.
    const auto read = context.onTheSwitch(a.port, nullptr, [this](SwitchTransfers &transfers) {
        const QStringList names = context.data.startPair();
        transfers.read(names.value(0), names.value(1), context.data.catalogue());
    });
    if (!read)
        return CommandLineTool::Failure;
    context.output.notes(read->notes);
    return context.writePlan(a.files.at(0), read->result.plan) ? CommandLineTool::Success
                                                               : CommandLineTool::Failure;
}
