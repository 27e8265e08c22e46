#pragma once

#include "UBRecord.h"

#include <QList>
#include <QPair>
#include <QString>

#include <array>

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
        StaticUnassigned,
        DynamicLineInvalid // a dynamic UB on no line of the switch's four
    };

    // The first kind of failure ends the check (every UB of it is named); the warning about lines with more
    // than eight dynamic UBs is only looked at when nothing failed.
    static PlanCheck of(const QString &lnb1, const QString &lnb2, const QList<UBRecord> &list);

    Failure failure() const { return failed; }
    bool passed() const { return failed == Failure::None; }
    bool localUBTooHigh() const { return tooHigh; }

    // Translated texts; an empty text for Failure::None. The text of
    // DynamicLineInvalid names no UB; messages() does.
    static QString failureMessage(Failure failure);
    static QString localUBWarning();
    // The static UBs without a transponder, for a second line under the
    // failure's text: "Not assigned: UB03, UB17."
    QString unassignedText() const;
    // What the check tells the user: its error, or its warning, or nothing.
    QStringList messages() const;

    // Dynamic UBs beyond this many on one line need the newer protocol.
    static constexpr quint32 localUBLimit = 8;
    static constexpr int lineCount = 4;

    // The number of dynamic UBs on each of the four lines (every record that
    // is not static counts as dynamic, as the band list shows it).
    static std::array<int, lineCount> dynamicPerLine(const QList<UBRecord> &list);
    // A dynamic UB that receivers on its line reach only with the newer
    // protocol: its local number is above the limit, or its line carries
    // more UBs than that.
    static bool beyondLineLimit(const UBRecord &record, const std::array<int, lineCount> &perLine);

    // "UB05: a dynamic UB on line 6; ...": a UB on a line the switch lacks.
    static QString lineMessage(quint32 ubNumber, quint32 line);

private:
    Failure failed = Failure::None;
    // The UBs on no line: their numbers and lines.
    QList<QPair<quint32, quint32>> offLine;
    // The static UBs without a transponder, UB01 first.
    QList<quint32> unassigned;
    bool tooHigh = false;
};
