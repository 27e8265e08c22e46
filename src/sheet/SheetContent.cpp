#include "SheetContent.h"

#include "model/LnbBands.h"
#include "model/PlanCheck.h"
#include "model/StaticUbRules.h"

#include <algorithm>
#include <array>

namespace {
void describeTransponder(SheetContent::Slot &slot, const UBRecord &record, const QString &lnb1,
                         const QString &lnb2, const SatelliteCatalogue &catalogue, const OwnTransponders &own)
{
    slot.assigned = record.tp >= 0;
    slot.lnb = record.lnb;
    slot.satellite = record.lnb > 0 ? lnb2 : lnb1;
    slot.transponder = record.tp;
    slot.frequency = record.freq;
    slot.choice = record.transponderChoice();
    if (!slot.assigned || catalogue.isEmpty())
        return;
    // The device link's own check decides whether the UB can travel.
    slot.refusal = StaticUbRules::refusal(record, lnb1, lnb2, catalogue);
    // The number of a missing transponder may name another row.
    if (slot.refusal == StaticUbRules::Refusal::TransponderUnknown)
        return;
    const TransponderItem *row = catalogue.findTransponder(slot.satellite, quint32(record.tp));
    const SateliteParams *params = catalogue.findSatelite(slot.satellite);
    if (!row || !params)
        return; // not in the satellite data: shown without polarisation and band
    slot.transponderKnown = true;
    slot.polarisation = row->polarisation;
    slot.own = own.isOwn(slot.satellite, *row);
    slot.highBand = LnbBands::isHighBand(*params, row->oscillatorFrequency);
    slot.intermediateFrequency = qint64(record.freq) - qint64(row->oscillatorFrequency);
    slot.satId = row->satId;
}
} // namespace

SheetContent::Slot::Problem SheetContent::Slot::problem() const
{
    if (!isStatic)
        return beyondLineLimit ? Problem::BeyondLineLimit : Problem::None;
    if (!assigned)
        return Problem::Unassigned;
    switch (refusal) {
    case StaticUbRules::Refusal::None:
    case StaticUbRules::Refusal::NoSatelliteData:
        return Problem::None;
    case StaticUbRules::Refusal::FrequencyOutOfRange:
        return Problem::IntermediateFrequency;
    case StaticUbRules::Refusal::SatIdOutOfRange:
        return Problem::SatelliteId;
    case StaticUbRules::Refusal::UbNumberOutOfRange:
        return Problem::UbNumber;
    case StaticUbRules::Refusal::SatelliteUnknown:
    case StaticUbRules::Refusal::TransponderUnknown:
        break;
    }
    return Problem::NotInSatelliteData;
}

SheetContent SheetContent::build(const BandPlan &plan, const SatelliteCatalogue &catalogue, const QDate &date,
                                 const OwnTransponders &own)
{
    SheetContent content;
    content.date = date;
    content.lnb1 = plan.lnb1;
    content.lnb2 = plan.lnb2;
    content.terrestrialPathActive = plan.terrestrialPatchActive;
    content.lteFilter = plan.lteFilter;
    content.standBy = plan.standBy;

    const QList<UBRecord> &list = plan.list;
    const std::array<int, lineCount> perLine = PlanCheck::dynamicPerLine(list);
    for (const UBRecord &record : list) {
        Slot slot;
        slot.ubNumber = record.ubNumber;
        slot.slotFrequency = slotFrequency(record.ubNumber);
        slot.isStatic = record.isStatic();
        if (slot.isStatic) {
            describeTransponder(slot, record, content.lnb1, content.lnb2, catalogue, own);
        } else {
            slot.line = record.line;
            slot.localUB = record.localUB;
            slot.beyondLineLimit = PlanCheck::beyondLineLimit(record, perLine);
        }
        content.bandSlots.append(slot);
    }
    std::stable_sort(content.bandSlots.begin(), content.bandSlots.end(),
                     [](const Slot &a, const Slot &b) { return a.ubNumber < b.ubNumber; });
    content.checkMessages = PlanCheck::of(plan.lnb1, plan.lnb2, list).messages();
    for (quint32 line = 0; line < quint32(lineCount); ++line) {
        if (perLine[line] > int(PlanCheck::localUBLimit))
            content.crowdedLines.append({line, perLine[line]});
    }
    return content;
}

QVector<SheetContent::Slot> SheetContent::lineSlots(quint32 line) const
{
    QVector<Slot> result;
    for (const Slot &slot : bandSlots) {
        if (!slot.isStatic && slot.line == line)
            result.append(slot);
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Slot &a, const Slot &b) { return a.localUB < b.localUB; });
    return result;
}

QVector<SheetContent::Slot> SheetContent::staticSlots() const
{
    QVector<Slot> result;
    for (const Slot &slot : bandSlots) {
        if (slot.isStatic)
            result.append(slot);
    }
    return result;
}

QVector<SheetContent::Slot> SheetContent::strayDynamicSlots() const
{
    QVector<Slot> result;
    for (const Slot &slot : bandSlots) {
        if (!slot.isStatic && slot.line >= quint32(lineCount))
            result.append(slot);
    }
    return result;
}
