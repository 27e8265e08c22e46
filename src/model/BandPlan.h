#pragma once

#include "UBRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// A whole plan as a value: what a settings file holds and what the switch
// holds. The window's plan, a file's and the switch's are compared, saved and
// sent as such values.
struct BandPlan
{
    QList<UBRecord> list;
    bool lteFilter = false;
    bool standBy = false;
    bool terrestrialPatchActive = false;
    QString lnb1;
    QString lnb2;

    // The version text at the head of every settings file.
    static QString fileVersion() { return QStringLiteral("0.7"); }

    // The plan a new window starts with: every UB dynamic, UB 23 in the first
    // row, the lines dealt out in turn from UB 0 upwards, each UB at its slot.
    static BandPlan defaultPlan();


    // Gives every record its slot frequency and the dynamic ones their
    // running number per line (counted from the last row upwards); with
    // resetLines the lines are dealt out in turn first. False, and the plan
    // untouched, when a dynamic UB names a line that does not exist.
    bool numberDynamicUBs(bool resetLines);

    bool hasStaticUBs() const;
    // The satellites its static UBs name, LNB1's first.
    QStringList staticSatellites() const;

    bool operator==(const BandPlan &other) const;
    bool operator!=(const BandPlan &other) const { return !(*this == other); }

    static constexpr int size = 24;
    static constexpr int lineCount = 4;
};
