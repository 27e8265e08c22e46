#pragma once

#include "SiteEntry.h"
#include "model/BandPlan.h"

#include <QCoreApplication>

// The plan an entry of a site holds, read from its settings file's bytes.
class SitePlan
{
    Q_DECLARE_TR_FUNCTIONS(SitePlan)

public:
    // Throws std::runtime_error naming the entry and the reason when the
    // bytes are no settings file.
    static BandPlan decode(const SiteEntry &entry);
    static QString unreadableMessage(const QString &label, const QString &reason);
};
