#include "SheetContent.h"

#include "db/SqlHandler.h"
#include "device/CodeWord.h"
#include "model/PlanCheck.h"
#include "model/UBDataModel.h"

#include <algorithm>
#include <array>
#include <exception>

namespace {
void describeTransponder(SheetContent::Slot &slot, const UBRecord &record, const QString &lnb1,
                         const QString &lnb2, const SqlHandler *database)
{
    slot.assigned = record.tp >= 0;
    slot.lnb = record.lnb;
    slot.satellite = record.lnb > 0 ? lnb2 : lnb1;
    slot.transponder = record.tp;
    slot.frequency = record.freq;
    if (!slot.assigned || !database)
        return;
    try {
        const TransponderItem &row =
            database->getPolarisationForTransponder(slot.satellite, quint32(record.tp));
        const SateliteParams &params = database->getSateliteParams(slot.satellite);
        slot.transponderKnown = true;
        slot.horizontal = row.horizontal;
        slot.highBand = row.oscillatorFrequency == params.lofHigh;
        slot.intermediateFrequency = qint64(record.freq) - qint64(row.oscillatorFrequency);
    } catch (const std::exception &) {
        return; // not in the satellite data: shown without polarisation and band
    }
    // The device link's own encoder decides whether the UB can travel.
    try {
        CodeWord::encode(record, lnb1, lnb2, database, 0);
    } catch (const std::exception &) {
        slot.ifUnfit = true;
    }
}
} // namespace

SheetContent SheetContent::build(const UBDataModel &model, const SqlHandler *database, const QDate &date)
{
    SheetContent content;
    content.date = date;
    content.deviceConnected = model.deviceConnected();
    content.serialNumber = model.serialNumber();
    content.lnb1 = model.lnb1();
    content.lnb2 = model.lnb2();
    content.terrestrialPathActive = model.terrestrialPatchActive();
    content.lteFilter = model.lteFilter();
    content.standBy = model.standBy();

    const QList<UBRecord> &list = model.ubList();
    std::array<int, lineCount> perLine{};
    for (const UBRecord &record : list) {
        if (!record.isStatic() && record.line < quint32(lineCount))
            ++perLine[record.line];
    }
    for (const UBRecord &record : list) {
        Slot slot;
        slot.ubNumber = record.ubNumber;
        slot.slotFrequency = slotFrequency(record.ubNumber);
        slot.isStatic = record.isStatic();
        if (slot.isStatic) {
            describeTransponder(slot, record, content.lnb1, content.lnb2, database);
        } else {
            slot.line = record.line;
            slot.localUB = record.localUB;
            slot.beyondLineLimit =
                record.localUB >= PlanCheck::localUBLimit ||
                (record.line < quint32(lineCount) && perLine[record.line] > int(PlanCheck::localUBLimit));
        }
        content.bandSlots.append(slot);
    }
    std::stable_sort(content.bandSlots.begin(), content.bandSlots.end(),
                     [](const Slot &a, const Slot &b) { return a.ubNumber < b.ubNumber; });
    content.checkMessages = PlanCheck::of(model.lnb1(), model.lnb2(), list).messages();
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
