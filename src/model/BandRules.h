#pragma once

#include "BandPlan.h"
#include "SatelliteCatalogue.h"
#include "TransponderChoice.h"
#include "UBRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
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
        // not know its polarisation, H and V at its frequency) and the
        // plan's number names neither.
        QList<quint32> missing;
        // The UBs whose polarisation the plan did not know and their number
        // decided, one text each.
        QStringList polarisationNotes;

        // "UBs whose transponder has another number in the satellite data:
        // UB03, UB07."; empty when none was renumbered.
        QString renumberedText() const;
    };

    // The plan against (new) data. A static UB's transponder is its frequency
    // and, where the plan knows it, its polarisation on its LNB's satellite:
    // exactly one fitting row gives it that row's number and polarisation; of
    // several, the one its number names. Otherwise it keeps all it holds and
    // is marked missing, so that the band list and the sheet mark it and a
    // send refuses it by name.
    static Match matchToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                  const SatelliteCatalogue &catalogue);
    // One transponder against the data of `satellite` (see above).
    static TransponderChoice matched(const TransponderChoice &choice, const SatelliteCatalogue &catalogue,
                                     const QString &satellite);
    // The rows of `satellite` at the choice's frequency and of its
    // polarisation (all of them at that frequency when it is not known).
    static QVector<TransponderItem> matchingRows(const TransponderChoice &choice,
                                                 const SatelliteCatalogue &catalogue,
                                                 const QString &satellite);

    // `count` static UBs in the first rows (above) or the last, the others
    // dynamic. The transponders move with the order of the static rows: the
    // first static row hands its whole choice to the first new one, and so
    // on; static rows beyond the earlier ones start unassigned on
    // `lnbForNew`.
    static void placeStaticUBs(QList<UBRecord> &list, int count, bool above, quint32 lnbForNew);

    // Stand-by cannot be on while static UBs exist.
    static bool standByAllowed(const QList<UBRecord> &list);
    static void applyStandByRule(BandPlan &plan);
};
