#include "BandPlan.h"

#include <algorithm>
#include <array>

BandPlan BandPlan::defaultPlan()
{
    BandPlan plan;
    for (int row = 0; row < size; ++row) {
        UBRecord record;
        record.ubNumber = quint32(size - 1 - row);
        record.type = UBRecord::dynamicType;
        record.tp = -1;
        plan.list.append(record);
    }
    // Cannot fail: every line is dealt out anew.
    plan.numberDynamicUBs(true);
    return plan;
}

bool BandPlan::numberDynamicUBs(bool resetLines)
{
    QList<UBRecord> numbered = list;
    while (numbered.size() > size)
        numbered.removeFirst();

    std::array<quint32, lineCount> lineCounters{};
    quint32 nextLine = 0;
    for (int row = numbered.size() - 1; row >= 0; --row) {
        UBRecord &record = numbered[row];
        record.localUBFreq = slotFrequency(record.ubNumber);
        if (record.isStatic())
            continue;
        const quint32 line = resetLines ? nextLine : record.line;
        if (line >= quint32(lineCount))
            return false;
        record.line = line;
        record.localUB = lineCounters[line]++;
        record.freq = record.localUBFreq;
        nextLine = line < lineCount - 1 ? line + 1 : 0;
    }
    list = numbered;
    return true;
}

bool BandPlan::operator==(const BandPlan &other) const
{
    return list == other.list && lteFilter == other.lteFilter && standBy == other.standBy &&
           terrestrialPatchActive == other.terrestrialPatchActive && lnb1 == other.lnb1 && lnb2 == other.lnb2;
}

bool BandPlan::hasStaticUBs() const
{
    return std::any_of(list.begin(), list.end(), [](const UBRecord &record) { return record.isStatic(); });
}

QStringList BandPlan::staticSatellites() const
{
    QStringList names;
    for (const quint32 lnb : {0u, 1u}) {
        const QString &name = lnb > 0 ? lnb2 : lnb1;
        const bool named = std::any_of(list.begin(), list.end(), [lnb](const UBRecord &record) {
            return record.isStatic() && (record.lnb > 0) == (lnb > 0);
        });
        if (named && !name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}
