#include "BandRules.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace {
// "not assigned" takes the transponder and keeps the frequency: a saved plan
// keeps what the UB had, and the box does not turn red for a choice made.
UBRecord unassigned(UBRecord record)
{
    record.polarisation = Polarisation::Unknown;
    record.tp = -1;
    return record;
}

// A transponder number the rows do not hold: the one given when it is free,
// else one above all of them.
qint32 absentNumber(qint32 number, const QVector<TransponderItem> &rows)
{
    quint32 highest = 0;
    bool taken = false;
    for (const TransponderItem &row : rows) {
        highest = std::max(highest, row.transponder);
        taken = taken || qint64(row.transponder) == qint64(number);
    }
    if (!taken)
        return number;
    if (highest < quint32(std::numeric_limits<qint32>::max()))
        return qint32(highest + 1);
    // Numbers up to the top: one of the first rows.size() + 1 is free.
    for (qint32 candidate = 0;; ++candidate) {
        const bool used = std::any_of(rows.begin(), rows.end(), [candidate](const TransponderItem &row) {
            return row.transponder == quint32(candidate);
        });
        if (!used)
            return candidate;
    }
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
        record.polarisation = row->polarisation;
    } else {
        record = unassigned(record);
    }
    return record;
}

UBRecord BandRules::withLnb(UBRecord record, quint32 lnb)
{
    if (!record.isStatic() || record.lnb == lnb)
        return record;
    // The other input's list starts at "not assigned", whose frequency is 0.
    record.lnb = lnb;
    record = unassigned(record);
    record.freq = 0;
    return record;
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

QVector<TransponderItem> BandRules::matchingRows(const UBRecord &record, const SatelliteCatalogue &catalogue,
                                                 const QString &satellite)
{
    const QVector<TransponderItem> rows = catalogue.transponders(satellite);
    const auto select = [&](const std::function<bool(const TransponderItem &)> &fits) {
        QVector<TransponderItem> found;
        for (const TransponderItem &row : rows) {
            if (row.frequency == record.freq && fits(row))
                found.append(row);
        }
        return found;
    };
    if (!record.polarisation.isKnown())
        return select([](const TransponderItem &) { return true; });
    const QVector<TransponderItem> same =
        select([&](const TransponderItem &row) { return row.polarisation == record.polarisation; });
    if (!same.isEmpty())
        return same;
    // The offline cache keeps one bit: circular L comes back as H and R as
    // V, which the switch receives alike.
    return select(
        [&](const TransponderItem &row) { return row.horizontal() == record.polarisation.horizontalBit(); });
}

BandRules::Match BandRules::matchToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                             const SatelliteCatalogue &catalogue)
{
    Match match;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        UBRecord &record = *it;
        if (!record.isStatic() || record.tp < 0)
            continue;
        const QString satellite = satelliteOf(record, lnb1, lnb2);
        const QVector<TransponderItem> rows = matchingRows(record, catalogue, satellite);
        if (rows.size() == 1) {
            if (record.tp != qint32(rows.first().transponder))
                match.renumbered.append(record.ubNumber);
            record.tp = qint32(rows.first().transponder);
            record.polarisation = rows.first().polarisation;
            continue;
        }
        match.missing.append(record.ubNumber);
        record.tp = absentNumber(record.tp, catalogue.transponders(satellite));
    }
    std::sort(match.renumbered.begin(), match.renumbered.end());
    std::sort(match.missing.begin(), match.missing.end());
    return match;
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
