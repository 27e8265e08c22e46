#pragma once

#include "model/SatelliteCatalogue.h"
#include "model/UBRecord.h"

#include <QCoreApplication>
#include <QString>

// What a static UB must meet to travel to the switch: the limits of the code
// word's fields and the look-ups in the satellite data. The encoder refuses
// by these rules, and the installation sheet marks what it would refuse.
class StaticUbRules
{
    Q_DECLARE_TR_FUNCTIONS(StaticUbRules)

public:
    static constexpr quint32 maxF = 2047;
    // The switch has 24 UBs; the field would carry up to 31, but a dynamic
    // word for UB 30 or 31 can get a check byte that reads back as static.
    static constexpr quint32 maxUbNumber = 23;
    static constexpr quint32 maxSatId = 127;
    // The satellite data's id of a satellite that has not been given one yet:
    // it can be chosen, but a static UB on it is refused (the code word
    // itself could carry 0).
    static constexpr quint32 noSatId = 0;
    // MHz between the oscillator and F = 0.
    static constexpr qint64 ifOffset = 100;

    // Why a static UB cannot travel in a code word.
    enum class Refusal
    {
        None,
        NoSatelliteData,
        SatelliteUnknown,   // its LNB's satellite is not in the satellite data
        TransponderUnknown, // its transponder is not among that satellite's
        UbNumberOutOfRange, // above maxUbNumber
        SatIdOutOfRange,    // the satellite has no id, or one above maxSatId
        FrequencyOutOfRange // F outside 0..maxF: the intermediate frequency
    };

    // The fields of a static word that cannot be carried, checked in the
    // order the encoder refuses them.
    static Refusal fieldRefusal(quint32 satId, quint32 ubNumber, qint64 f);

    // What keeps a static record from being sent, without throwing: the
    // same look-ups and limits as the encoder. Dynamic records give None.
    static Refusal refusal(const UBRecord &record, const QString &lnb1, const QString &lnb2,
                           const SatelliteCatalogue &catalogue);

    // Why a static UB whose transponder lies `above` MHz above its LNB's
    // oscillator cannot travel (FrequencyOutOfRange).
    static QString frequencyMessage(quint32 ubNumber, qint64 above);
};
