#include "BandRules.h"

#include <algorithm>

namespace {
// An unassigned UB has no frequency; one that already had no transponder is
// left as it was.
UBRecord unassigned(UBRecord record)
{
    if (record.tp != -1) {
        record.tp = -1;
        record.freq = 0;
    }
    return record;
}
} // namespace

QString BandRules::satelliteOf(const UBRecord &record, const QString &lnb1, const QString &lnb2)
{
    return record.lnb > 0 ? lnb2 : lnb1;
}

UBRecord BandRules::withTransponder(UBRecord record, const SatelliteCatalogue &catalogue,
                                    const QString &satellite, qint32 number)
{
    if (!record.isStatic())
        return record;
    const TransponderItem *row = number < 0 ? nullptr : catalogue.findTransponder(satellite, quint32(number));
    if (row) {
        record.tp = qint32(row->transponder);
        record.freq = row->frequency;
    } else {
        record = unassigned(record);
    }
    return record;
}

UBRecord BandRules::withLnb(UBRecord record, quint32 lnb)
{
    if (!record.isStatic() || record.lnb == lnb)
        return record;
    record.lnb = lnb;
    return unassigned(record);
}

bool BandRules::clearLnb(QList<UBRecord> &list, quint32 lnb)
{
    bool changed = false;
    for (UBRecord &record : list) {
        if (!record.isStatic() || (record.lnb > 0) != (lnb > 0) || record.tp == -1)
            continue;
        record = unassigned(record);
        changed = true;
    }
    return changed;
}

QList<quint32> BandRules::fitToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                         const SatelliteCatalogue &catalogue)
{
    QList<quint32> missing;
    for (UBRecord &record : list) {
        if (!record.isStatic() || record.tp < 0)
            continue;
        const QString satellite = satelliteOf(record, lnb1, lnb2);
        if (const TransponderItem *row = catalogue.findTransponder(satellite, quint32(record.tp)))
            record.freq = row->frequency;
        else
            missing.prepend(record.ubNumber);
    }
    return missing;
}

bool BandRules::standByAllowed(const QList<UBRecord> &list)
{
    return std::none_of(list.begin(), list.end(), [](const UBRecord &record) { return record.isStatic(); });
}

void BandRules::applyStandByRule(BandPlan &plan)
{
    if (!standByAllowed(plan.list))
        plan.standBy = false;
}
