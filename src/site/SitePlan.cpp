#include "SitePlan.h"

#include "model/SettingsFile.h"

#include <stdexcept>

QString SitePlan::unreadableMessage(const QString &label, const QString &reason)
{
    return tr("The plan of the entry \"%1\" cannot be read: %2").arg(label, reason);
}

BandPlan SitePlan::decode(const SiteEntry &entry)
{
    try {
        return SettingsFile::fromBytes(entry.plan, entry.label);
    } catch (const std::exception &e) {
        throw std::runtime_error(unreadableMessage(entry.label, QString::fromUtf8(e.what())).toStdString());
    }
}
