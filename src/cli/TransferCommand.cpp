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
    PlanVerdict prepared;
    const auto sent = context.onTheSwitch(
        a.port,
        [&] {
            prepared = context.meetData(plan);
            return context.checkWords(prepared);
        },
        [&](SwitchTransfers &transfers) {
            transfers.sendPrepared(prepared, store, context.data.catalogue());
        });
    if (!sent)
        return CommandLineTool::Failure;
    context.reportSent(*sent, store);
    return CommandLineTool::Success;
}
