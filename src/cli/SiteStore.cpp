#include "SiteStore.h"

#include "device/BackupPlace.h"
#include "site/SiteChange.h"
#include "site/SiteFile.h"
#include "site/SitePlan.h"

#include <QFileInfo>

#include <exception>
#include <utility>

SiteStore::SiteStore(CommandContext &context, QString sitePath)
    : context(context), sitePath(std::move(sitePath))
{
}

bool SiteStore::read(Site &site, QString *reason)
{
    QString why;
    if (SiteFile(sitePath).read(&site, &why))
        return true;
    if (reason)
        *reason = why;
    else
        context.output.note(why);
    return false;
}

QString SiteStore::unsendableMessage()
{
    return tr("the entry's plan cannot be sent");
}

bool SiteStore::prepare(const SiteEntry &entry, PlanVerdict &prepared)
{
    BandPlan plan;
    try {
        plan = SitePlan::decode(entry);
    } catch (const std::exception &e) {
        context.output.note(QString::fromUtf8(e.what()));
        return false;
    }
    if (!context.checkPlan(plan))
        return false;
    prepared = context.meetData(plan);
    return context.checkWords(prepared);
}

TransferEnd SiteStore::store(SwitchAccess::Connected &connected, const Site &site, const SiteEntry &entry,
                             const PlanVerdict &prepared)
{
    connected.transfers->setBackupPlace(
        BackupPlace{QFileInfo(sitePath).absoluteFilePath(), site.name, entry.label});
    TransferEnd end;
    try {
        end = SwitchAccess::await(
            connected, [&] { connected.transfers->sendPrepared(prepared, true, context.data.catalogue()); });
    } catch (const std::exception &e) {
        end.result.message = QString::fromUtf8(e.what());
    }
    return end;
}

bool SiteStore::record(const SiteEntry &entry, const QString &serial, const TransferEnd &end)
{
    const ReadBackState readBack = end.result.outcome.readBack;
    // Only a store that went out and was read back (or tried to be) put the
    // plan into the switch.
    if (readBack == ReadBackState::None)
        return true;
    const bool matched = end.done() && readBack == ReadBackState::Matches;
    const QDate today = context.environment.clock().date();
    QString reason;
    if (SiteFile(sitePath).apply(SiteChange::recordStore(entry.label, entry.plan, serial, today, matched),
                                 &reason))
        return true;
    context.output.note(reason);
    return false;
}
