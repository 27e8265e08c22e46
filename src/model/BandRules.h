#pragma once

#include "BandPlan.h"
#include "SatelliteCatalogue.h"
#include "UBRecord.h"

#include <QList>
#include <QString>

// The rules that keep a band plan consistent with itself and with the
// satellite data. The window, loading a file, new data and the command-line
// tool all go through them, so they cannot disagree.
class BandRules
{
public:
    // The satellite a UB's LNB input names in a plan with these two inputs.
    static QString satelliteOf(const UBRecord &record, const QString &lnb1, const QString &lnb2);

    // The UB with transponder `number` of `satellite` chosen; -1, or a number
    // the satellite does not carry, leaves it unassigned (no transponder, no
    // frequency). A dynamic UB stays as it is.
    static UBRecord withTransponder(UBRecord record, const SatelliteCatalogue &catalogue,
                                    const QString &satellite, qint32 number);
    // The UB moved to another LNB input: the transponder of the other
    // satellite does not apply there.
    static UBRecord withLnb(UBRecord record, quint32 lnb);
    // A new satellite on LNB input `lnb` (0 or 1): its static UBs lose their
    // transponders. True when a record changed.
    static bool clearLnb(QList<UBRecord> &list, quint32 lnb);

    // The plan against (new) data: a static UB whose transponder the data
    // hold takes the data's frequency; one they lack keeps its number and is
    // returned, last row first, so that it can be marked and named.
    static QList<quint32> fitToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                         const SatelliteCatalogue &catalogue);

    // Stand-by cannot be on while static UBs exist.
    static bool standByAllowed(const QList<UBRecord> &list);
    static void applyStandByRule(BandPlan &plan);
};
