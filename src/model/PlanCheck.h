#pragma once

#include "UBRecord.h"

#include <QList>
#include <QString>

// The check a plan must pass before it goes to the switch, as a pure
// function of the plan, so that the transfers and the installation sheet
// judge a plan the same way. The messages keep the controller's
// translation context.
class PlanCheck
{
public:
    enum class Failure
    {
        None,
        Lnb1Missing,
        Lnb2Missing,
        StaticUnassigned
    };

    // The first failure ends the check; the warning about lines with more
    // than eight dynamic UBs is only looked at when nothing failed.
    static PlanCheck of(const QString &lnb1, const QString &lnb2, const QList<UBRecord> &list);

    Failure failure() const { return failed; }
    bool passed() const { return failed == Failure::None; }
    bool localUBTooHigh() const { return tooHigh; }

    // Translated texts; an empty text for Failure::None.
    static QString failureMessage(Failure failure);
    static QString localUBWarning();
    // What the check tells the user: its error, or its warning, or nothing.
    QStringList messages() const;

    // Dynamic UBs beyond this many on one line need the newer protocol.
    static constexpr quint32 localUBLimit = 8;

private:
    Failure failed = Failure::None;
    bool tooHigh = false;
};
