#pragma once

#include "CommandContext.h"
#include "site/Site.h"

#include <QCoreApplication>

// One entry of a site stored into one connected switch, for "store --site"
// and the workshop mode for a site: the entry's plan made ready, the backup
// told where the switch hangs, the store awaited, and what it confirmed
// recorded in the site file (merged into the file as it is then).
class SiteStore
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    SiteStore(CommandContext &context, QString sitePath);

    // Reads the site file; false with the reason in `reason`, or shown
    // when there is none.
    bool read(Site &site, QString *reason = nullptr);
    // The entry's plan ready to be sent; false with the reasons shown.
    bool prepare(const SiteEntry &entry, PlanVerdict &prepared);
    // Stores `prepared` into the switch; a refusal before the start comes
    // back as the end's message.
    TransferEnd store(SwitchAccess::Connected &connected, const Site &site, const SiteEntry &entry,
                      const PlanVerdict &prepared);
    // Records a store that reached the read-back: the switch's serial
    // number, today, and whether the working plan was read back and matched.
    // A store that ended earlier records nothing. False when the site file
    // refused the record (the reason shown).
    bool record(const SiteEntry &entry, const QString &serial, const TransferEnd &end);

    QString path() const { return sitePath; }
    // Why an entry whose plan's reasons were shown was not stored.
    static QString unsendableMessage();

private:
    CommandContext &context;
    QString sitePath;
};
