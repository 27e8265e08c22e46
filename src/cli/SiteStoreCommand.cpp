#include "SiteStoreCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "SiteStore.h"
#include "ToolArguments.h"
#include "device/SerialPortHandler.h"
#include "site/SiteChoice.h"

SiteStoreCommand::SiteStoreCommand(CommandContext &context) : context(context) {}

int SiteStoreCommand::run(const ToolArguments &a)
{
    SiteStore sites(context, a.site);
    Site site;
    QString refusal;
    // A label the site does not have ends it before any switch is met.
    if (!sites.read(site) || (a.labelGiven && SiteChoice::byLabel(site, a.label, &refusal) < 0)) {
        if (!refusal.isEmpty())
            context.output.note(refusal);
        return CommandLineTool::Failure;
    }
    if (!context.loadData())
        return CommandLineTool::Failure;
    const std::unique_ptr<SwitchAccess::Connected> connected = context.theOne(a.port);
    if (!connected)
        return CommandLineTool::Failure;
    // Until here the switch has only been asked who it is.
    const QString serial = connected->device->serialNumber();
    const int index = a.labelGiven ? SiteChoice::byLabel(site, a.label, &refusal)
                                   : SiteChoice::bySerial(site, serial, &refusal);
    if (index < 0) {
        context.output.note(refusal);
        return CommandLineTool::Failure;
    }
    const SiteEntry entry = site.entries.at(index);
    PlanVerdict prepared;
    if (!sites.prepare(entry, prepared))
        return CommandLineTool::Failure;
    const TransferEnd end = sites.store(*connected, site, entry, prepared);
    const bool recorded = sites.record(entry, serial, end);
    if (!end.done()) {
        // A read-back's differences come one per line.
        context.output.notes(end.result.message.split(QLatin1Char('\n')));
        return CommandLineTool::Failure;
    }
    context.reportSent(end, true);
    return recorded ? CommandLineTool::Success : CommandLineTool::Failure;
}
