#include "TransferCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"

TransferCommand::TransferCommand(CommandContext &context) : context(context) {}

int TransferCommand::run(const ToolArguments &a, bool store)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.checkPlan(plan) || !context.loadData())
        return CommandLineTool::Failure;
    if (!context.checkWords(context.meetData(plan)))
        return CommandLineTool::Failure;
    const auto connected = context.theSwitch(a.port);
    if (!connected)
        return CommandLineTool::Failure;
    DeviceTransfers::Result sent;
    if (!context.output.attempt([&] {
            sent = SwitchAccess::await(*connected, [&] {
                if (store)
                    connected->transfers->store(plan, context.data.catalogue());
                else
                    connected->transfers->send(plan, context.data.catalogue());
            });
        }))
        return CommandLineTool::Failure;
    if (context.statusOf(sent) != CommandLineTool::Success)
        return CommandLineTool::Failure;
    context.reportSent(sent.outcome, store);
    return CommandLineTool::Success;
}
