#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// One switch of a site: its label ("Stairwell A, cellar"), unique within the
// site, and its plan as the bytes of a settings file, so that an export gives
// back exactly what was added. Once the plan was stored, the switch's serial
// number (empty when the switch reports none), the day of the last store, and
// whether the working plan was read back afterwards and matched.
struct SiteEntry
{
    QString label;
    QByteArray plan;
    QString serial;
    QDate stored;
    bool readBack = false;

    bool isStored() const { return stored.isValid(); }

    friend bool operator==(const SiteEntry &a, const SiteEntry &b)
    {
        return a.label == b.label && a.plan == b.plan && a.serial == b.serial && a.stored == b.stored &&
               a.readBack == b.readBack;
    }
    friend bool operator!=(const SiteEntry &a, const SiteEntry &b) { return !(a == b); }
};
