#include "TransferCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"

TransferCommand::TransferCommand(CommandContext &context) : context(context) {}

int TransferCommand::run(const ToolArguments &a, bool store)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.checkPlan(plan))
        return CommandLineTool::Failure;
    const auto sent = context.onTheSwitch(
        a.port, [&] { return context.checkWords(context.meetData(plan)); },
        [&](SwitchTransfers &transfers) {
            if (store)
                transfers.store(plan, context.data.catalogue());
            else
                transfers.send(plan, context.data.catalogue());
        });
    if (!sent)
        return CommandLineTool::Failure;
    context.reportSent(*sent, store);
    return CommandLineTool::Success;
}
