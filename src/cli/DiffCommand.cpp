#include "DiffCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"

DiffCommand::DiffCommand(CommandContext &context) : context(context) {}

int DiffCommand::run(const ToolArguments &a)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan))
        return CommandLineTool::Failure;
    const auto read = context.onTheSwitch(
        a.port,
        [&] {
            context.meetData(plan);
            return true;
        },
        [&](SwitchTransfers &transfers) { transfers.compare(plan, context.data.catalogue()); });
    if (!read)
        return CommandLineTool::Failure;
    context.output.notes(read->notes);
    for (const QString &line : read->comparison)
        context.output.line(line);
    return read->holdsCompared ? CommandLineTool::Success : CommandLineTool::Different;
}
