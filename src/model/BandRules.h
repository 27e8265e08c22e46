#pragma once

#include "BandPlan.h"
#include "SatelliteCatalogue.h"
#include "UBRecord.h"

#include <QList>
#include <QString>
#include <QVector>

// The rules that keep a band plan consistent with itself and with the
// satellite data. The window, loading a file, new data and the command-line
// tool all go through them, so they cannot disagree.
class BandRules
{
public:
    // The satellite a UB's LNB input names in a plan with these two inputs.
    static QString satelliteOf(const UBRecord &record, const QString &lnb1, const QString &lnb2);

    // The UB with transponder `number` of `satellite` chosen; -1, or a number
    // the satellite does not carry, leaves it unassigned (no transponder; the
    // frequency stays as it was). A dynamic UB stays as it is.
    static UBRecord withTransponder(UBRecord record, const SatelliteCatalogue &catalogue,
                                    const QString &satellite, qint32 number);
    // The UB moved to another LNB input: the transponder of the other
    // satellite does not apply there (no transponder, frequency 0).
    static UBRecord withLnb(UBRecord record, quint32 lnb);
    // A new satellite on LNB input `lnb` (0 or 1): its static UBs lose their
    // transponders and keep their frequencies. True when a record changed.
    static bool clearLnb(QList<UBRecord> &list, quint32 lnb);

    // What became of the static UBs when a plan met satellite data, in UB
    // order.
    struct Match
    {
        // Found in the data under another transponder number.
        QList<quint32> renumbered;
        // Not found once: the data lack the satellite, the frequency or the
        // polarisation, or hold two transponders that fit (a plan that does
        // not know its polarisation, H and V at its frequency).
        QList<quint32> missing;
    };

    // The plan against (new) data. A static UB's transponder is its frequency
    // and, where the plan knows it, its polarisation on its LNB's satellite:
    // exactly one fitting row gives it that row's number and polarisation.
    // Otherwise it keeps frequency and polarisation, and its number becomes
    // one the satellite's data do not hold, so that it is marked as missing
    // and a send refuses it.
    static Match matchToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                  const SatelliteCatalogue &catalogue);
    // The rows of `satellite` that are the record's transponder (see above).
    static QVector<TransponderItem> matchingRows(const UBRecord &record, const SatelliteCatalogue &catalogue,
                                                 const QString &satellite);

    // Stand-by cannot be on while static UBs exist.
    static bool standByAllowed(const QList<UBRecord> &list);
    static void applyStandByRule(BandPlan &plan);
};
