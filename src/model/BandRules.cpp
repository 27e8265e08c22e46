#include "BandRules.h"

#include <QCoreApplication>
#include <QPair>

#include <algorithm>
#include <functional>

QString BandRules::Match::renumberedText() const
{
    if (renumbered.isEmpty())
        return QString();
    // The window's wording, which the tool shares.
    return QCoreApplication::translate("UBModelController",
                                       "UBs whose transponder has another number in the satellite data: %1.")
        .arg(UBRecord::displayNames(renumbered));
}

namespace {
// "not assigned" takes the transponder and keeps the frequency: a saved plan
// keeps what the UB had, and the box does not turn red for a choice made.
UBRecord unassigned(UBRecord record)
{
    record.setTransponderChoice(TransponderChoice::none(record.lnb, record.freq));
    return record;
}

TransponderChoice rowChoice(quint32 lnb, const TransponderItem &row,
                            TransponderChoice::Standing standing = TransponderChoice::Standing::Found)
{
    TransponderChoice choice;
    choice.lnb = lnb;
    choice.number = qint32(row.transponder);
    choice.frequency = row.frequency;
    choice.polarisation = row.polarisation;
    choice.standing = standing;
    return choice;
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
        record.setTransponderChoice(rowChoice(record.lnb, *row));
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
    record.setTransponderChoice(TransponderChoice::none(lnb));
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

QVector<TransponderItem> BandRules::matchingRows(const TransponderChoice &choice,
                                                 const SatelliteCatalogue &catalogue,
                                                 const QString &satellite)
{
    const QVector<TransponderItem> rows = catalogue.transponders(satellite);
    const auto select = [&](const std::function<bool(const TransponderItem &)> &fits) {
        QVector<TransponderItem> found;
        for (const TransponderItem &row : rows) {
            if (row.frequency == choice.frequency && fits(row))
                found.append(row);
        }
        return found;
    };
    if (!choice.polarisation.isKnown())
        return select([](const TransponderItem &) { return true; });
    const QVector<TransponderItem> same =
        select([&](const TransponderItem &row) { return row.polarisation == choice.polarisation; });
    if (!same.isEmpty())
        return same;
    // The offline cache keeps one bit: circular L comes back as H and R as
    // V, which the switch receives alike.
    return select(
        [&](const TransponderItem &row) { return row.horizontal() == choice.polarisation.horizontalBit(); });
}

TransponderChoice BandRules::matched(const TransponderChoice &choice, const SatelliteCatalogue &catalogue,
                                     const QString &satellite)
{
    using Standing = TransponderChoice::Standing;
    const QVector<TransponderItem> rows = matchingRows(choice, catalogue, satellite);
    if (rows.size() == 1)
        return rowChoice(choice.lnb, rows.first());
    // Of several rows that fit, the one the plan's number names; without a
    // polarisation in the plan that choice is worth a look.
    const auto named = std::find_if(rows.begin(), rows.end(), [&](const TransponderItem &row) {
        return qint64(row.transponder) == qint64(choice.number);
    });
    if (named != rows.end())
        return rowChoice(choice.lnb, *named,
                         choice.polarisation.isKnown() ? Standing::Found : Standing::PolarisationFromNumber);
    // The plan keeps what it holds, number included; the mark says why.
    TransponderChoice missing = choice;
    missing.standing = rows.isEmpty() ? Standing::NotInData : Standing::Ambiguous;
    return missing;
}

BandRules::Match BandRules::matchToCatalogue(QList<UBRecord> &list, const QString &lnb1, const QString &lnb2,
                                             const SatelliteCatalogue &catalogue)
{
    Match match;
    QList<QPair<quint32, QString>> notes;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        UBRecord &record = *it;
        if (!record.isStatic() || record.tp < 0)
            continue;
        const TransponderChoice before = record.transponderChoice();
        const TransponderChoice after = matched(before, catalogue, satelliteOf(record, lnb1, lnb2));
        record.setTransponderChoice(after);
        if (after.isMissing())
            match.missing.append(record.ubNumber);
        else if (after.number != before.number)
            match.renumbered.append(record.ubNumber);
        if (after.standing == TransponderChoice::Standing::PolarisationFromNumber)
            notes.append({record.ubNumber, after.polarisationTakenMessage(record.ubNumber)});
    }
    std::sort(match.renumbered.begin(), match.renumbered.end());
    std::sort(match.missing.begin(), match.missing.end());
    std::sort(notes.begin(), notes.end());
    for (const auto &note : qAsConst(notes))
        match.polarisationNotes << note.second;
    return match;
}

void BandRules::placeStaticUBs(QList<UBRecord> &list, int count, bool above, quint32 lnbForNew)
{
    QList<TransponderChoice> previous;
    for (const UBRecord &record : qAsConst(list)) {
        if (record.isStatic())
            previous.append(record.transponderChoice());
    }
    const int rows = list.size();
    const int n = std::clamp(count, 0, rows);
    const int firstStatic = above ? 0 : rows - n;
    for (int row = 0; row < rows; ++row) {
        UBRecord &record = list[row];
        const int k = row - firstStatic;
        if (k < 0 || k >= n) {
            record.type = UBRecord::dynamicType;
            continue;
        }
        record.type = UBRecord::staticType;
        record.setTransponderChoice(k < previous.size() ? previous.at(k)
                                                        : TransponderChoice::none(lnbForNew));
    }
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
