#include "DiffCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "model/PlanComparison.h"

DiffCommand::DiffCommand(CommandContext &context) : context(context) {}

int DiffCommand::run(const ToolArguments &a)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.loadData())
        return CommandLineTool::Failure;
    context.meetData(plan);
    const auto connected = context.theSwitch(a.port);
    if (!connected)
        return CommandLineTool::Failure;
    DeviceTransfers::Result read;
    if (!context.output.attempt([&] {
            read = SwitchAccess::await(*connected, [&] {
                connected->transfers->readPlan(plan.lnb1, plan.lnb2, context.data.catalogue());
            });
        }))
        return CommandLineTool::Failure;
    if (context.statusOf(read) != CommandLineTool::Success)
        return CommandLineTool::Failure;
    if (!read.readNote.isEmpty())
        context.output.note(read.readNote);
    context.noteNumbering(read.plan);
    const PlanComparison comparison(plan, read.plan);
    for (const QString &line : comparison.lines())
        context.output.line(line);
    return comparison.same() ? CommandLineTool::Success : CommandLineTool::Different;
}
