#pragma once

#include "SatelliteCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which satellites a static UB can name: a static code word carries the
// satellite's id in 7 bits, and id 0 names none. Others serve dynamic UBs
// only. The start, the window's boxes and the command-line tool all ask here.
class SwitchSatellites
{
public:
    static constexpr quint32 maxSatId = 127;

    static bool canCarry(quint32 satId) { return satId != 0 && satId <= maxSatId; }
    // False only for a satellite of the data whose id the switch cannot
    // carry; a name the data lack is judged elsewhere.
    static bool canCarry(const SatelliteCatalogue &catalogue, const QString &satellite);

    // The satellites an empty plan starts with on LNB1 and LNB2 (at most
    // two): with the built-in data the pair most dishes in the program's
    // language area point at, when the data hold it; otherwise the first two
    // names the switch can carry.
    static QStringList startPair(const SatelliteCatalogue &catalogue, bool builtInData);

    // The LNB input (0 or 1) that new static UBs go to: LNB1 unless only LNB2
    // holds a satellite the switch can carry; -1 when neither does.
    static int lnbForStatic(const SatelliteCatalogue &catalogue, const QString &lnb1, const QString &lnb2);

    // Why static UBs cannot sit on the satellite, naming them ("UB07, UB08").
    static QString staticRefusal(const QList<quint32> &ubNumbers, const QString &satellite);
    // The mark of such a satellite in lists: "(dynamic UBs only)".
    static QString dynamicOnlyMark();
    // A satellite's name with that mark, as lists show it.
    static QString withDynamicOnlyMark(const QString &name);
};
