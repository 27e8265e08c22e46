#include "StaticUbRules.h"

StaticUbRules::Refusal StaticUbRules::fieldRefusal(quint32 satId, quint32 ubNumber, qint64 f)
{
    if (ubNumber > maxUbNumber)
        return Refusal::UbNumberOutOfRange;
    if (satId > maxSatId)
        return Refusal::SatIdOutOfRange;
    if (f < 0 || f > qint64(maxF))
        return Refusal::FrequencyOutOfRange;
    return Refusal::None;
}

StaticUbRules::Refusal StaticUbRules::refusal(const UBRecord &record, const QString &lnb1,
                                              const QString &lnb2, const SatelliteCatalogue &catalogue)
{
    if (!record.isStatic())
        return Refusal::None;
    if (catalogue.isEmpty())
        return Refusal::NoSatelliteData;
    const QString &name = record.lnb > 0 ? lnb2 : lnb1;
    const SateliteParams *params = catalogue.findSatelite(name);
    if (!params)
        return Refusal::SatelliteUnknown;
    const TransponderItem *row =
        record.tp < 0 ? nullptr : catalogue.findTransponder(name, quint32(record.tp));
    // The number must name the transponder the plan means: its frequency
    // and, where the plan knows it, its polarisation.
    if (!row || record.transponderChoice().isMissing() || row->frequency != record.freq ||
        (record.polarisation.isKnown() && row->horizontal() != record.polarisation.horizontalBit()))
        return Refusal::TransponderUnknown;
    if (row->satId == noSatId)
        return Refusal::SatIdOutOfRange;
    return fieldRefusal(row->satId, record.ubNumber,
                        qint64(record.freq) - qint64(row->oscillatorFrequency) - ifOffset);
}

QString StaticUbRules::frequencyMessage(quint32 ubNumber, qint64 above)
{
    return tr("%1: its transponder lies %2 MHz above the LNB oscillator; a code word carries 100 to 2147 "
              "MHz.")
        .arg(UBRecord::displayName(ubNumber))
        .arg(above);
}
