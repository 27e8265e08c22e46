#include "PlanEditor.h"

#include "model/BandRules.h"
#include "model/SwitchSatellites.h"
#include "service/PlanPreparation.h"

#include <algorithm>
#include <memory>

PlanEditor::PlanEditor(QObject *parent) : QObject(parent), data(std::make_shared<const SatelliteCatalogue>())
{
}

void PlanEditor::replace(const BandPlan &plan)
{
    setOption(Option::LteFilter, plan.lteFilter);
    setOption(Option::TerrestrialPath, plan.terrestrialPatchActive);
    setOption(Option::StandBy, plan.standBy);
    setLnb(0, plan.lnb1);
    setLnb(1, plan.lnb2);
    // Last: a list with static UBs clears stand-by.
    setList(plan.list);
}

void PlanEditor::resetToDefault()
{
    QList<UBRecord> list;
    for (int i = 0; i < BandPlan::size; ++i) {
        UBRecord record;
        record.ubNumber = quint32(BandPlan::size - 1 - i);
        record.freq = quint32(2125 - 50 * i);
        record.type = UBRecord::dynamicType;
        record.tp = -1;
        list.append(record);
    }
    setList(list);
    resetDynamicUBs(true);
}

void PlanEditor::setList(const QList<UBRecord> &list)
{
    if (list.size() != current.list.size())
        emit rowCountAboutToChange();
    // The caller may hand over the plan's own list.
    if (&list != &current.list)
        current.list = list;
    if (!BandRules::standByAllowed(current.list))
        current.standBy = false;
    emit listReplaced();
    emit changed();
}

void PlanEditor::setRecord(int row, const UBRecord &record)
{
    if (row < 0 || row >= current.list.size() || current.list.at(row) == record)
        return;
    current.list[row] = record;
    emit rowChanged(row);
    emit changed();
}

void PlanEditor::setLine(int row, quint32 line)
{
    if (row < 0 || row >= current.list.size())
        return;
    current.list[row].line = line;
    emit lineChanged(row);
    BandPlan numbered;
    numbered.list = current.list;
    if (!numbered.numberDynamicUBs(false)) {
        emit errorOccured(lineTooHighMessage());
        emit rowChanged(row);
        emit changed();
        return;
    }
    setList(numbered.list);
}

void PlanEditor::setLnb(int input, const QString &name)
{
    QString &stored = input == 0 ? current.lnb1 : current.lnb2;
    if (input < 0 || input > 1 || stored == name)
        return;
    stored = name;
    // A satellite chosen or loaded is the plan's own from then on.
    if (name != presetNames[input])
        presetNames[input].clear();
    satelliteChosen(input);
    emit lnbChanged(input, name);
    emit changed();
}

bool PlanEditor::option(Option which) const
{
    switch (which) {
    case Option::LteFilter:
        return current.lteFilter;
    case Option::TerrestrialPath:
        return current.terrestrialPatchActive;
    case Option::StandBy:
        break;
    }
    return current.standBy;
}

void PlanEditor::setOption(Option which, bool on)
{
    if (option(which) == on)
        return;
    switch (which) {
    case Option::LteFilter:
        current.lteFilter = on;
        break;
    case Option::TerrestrialPath:
        current.terrestrialPatchActive = on;
        break;
    case Option::StandBy:
        current.standBy = on;
        break;
    }
    emit optionChanged(which);
    emit changed();
}

QString PlanEditor::lineTooHighMessage()
{
    return tr("Line for dynamic channel must be smaller than 5");
}

void PlanEditor::resetDynamicUBs(bool resetLines)
{
    BandPlan plan;
    plan.list = current.list;
    if (!plan.numberDynamicUBs(resetLines)) {
        emit errorOccured(lineTooHighMessage());
        return;
    }
    setList(plan.list);
}

void PlanEditor::setStaticUBs(uint numStaticUBs, bool above)
{
    QList<UBRecord> list = current.list;
    const int count = list.size();
    // More static UBs than rows cannot be honoured; never touch rows outside.
    const int n = int(qMin<uint>(numStaticUBs, uint(count)));
    const int previousStatic = int(
        std::count_if(list.cbegin(), list.cend(), [](const UBRecord &record) { return record.isStatic(); }));

    const int firstStatic = above ? 0 : count - n;
    // New static UBs go to an input whose satellite the switch can carry.
    const int lnbForNew = SwitchSatellites::lnbForStatic(*data, current.lnb1, current.lnb2);
    if (n > previousStatic && lnbForNew < 0) {
        refuseNewStaticUBs(firstStatic + previousStatic, firstStatic + n, list);
        return;
    }
    BandRules::placeStaticUBs(list, n, above, quint32(qMax(lnbForNew, 0)));
    setList(list);
    resetDynamicUBs(!above);
    emit staticUBsChanged(above);
}

void PlanEditor::refuseNewStaticUBs(int firstRow, int endRow, const QList<UBRecord> &list)
{
    QList<quint32> refused;
    for (int row = firstRow; row < endRow; ++row)
        refused << list.at(row).ubNumber;
    QStringList lines;
    for (const QString &satellite : {current.lnb1, current.lnb2}) {
        const QString line = SwitchSatellites::staticRefusal(refused, satellite);
        if (!lines.contains(line))
            lines << line;
    }
    emit errorOccured(lines.join(QLatin1Char('\n')));
}

QString PlanEditor::satelliteOf(int row) const
{
    if (row < 0 || row >= current.list.size())
        return QString();
    return BandRules::satelliteOf(current.list.at(row), current.lnb1, current.lnb2);
}

void PlanEditor::chooseTransponder(int row, int transponder)
{
    // Numbers below -1 are the list's own entries ("Other transponder…").
    if (row < 0 || row >= current.list.size() || transponder < -1)
        return;
    const UBRecord &record = current.list.at(row);
    const QString satellite = satelliteOf(row);
    if (record.isStatic() && transponder >= 0 && !SwitchSatellites::canCarry(*data, satellite)) {
        emit errorOccured(SwitchSatellites::staticRefusal({record.ubNumber}, satellite));
        return;
    }
    setRecord(row, BandRules::withTransponder(record, *data, satellite, transponder));
}

void PlanEditor::chooseLnb(int row, int lnb)
{
    if (row < 0 || row >= current.list.size() || lnb < 0 || lnb > 1)
        return;
    const UBRecord &record = current.list.at(row);
    const QString satellite = lnb > 0 ? current.lnb2 : current.lnb1;
    if (record.isStatic() && quint32(lnb) != record.lnb && !SwitchSatellites::canCarry(*data, satellite)) {
        emit errorOccured(SwitchSatellites::staticRefusal({record.ubNumber}, satellite));
        return;
    }
    setRecord(row, BandRules::withLnb(record, quint32(lnb)));
}

void PlanEditor::satelliteChosen(int input)
{
    // Row by row: a whole new list would also rule on stand-by, which a
    // plan being loaded sets before its satellites.
    QList<UBRecord> list = current.list;
    if (!BandRules::clearLnb(list, quint32(input)))
        return;
    for (int row = 0; row < list.size(); ++row)
        setRecord(row, list.at(row));
}

void PlanEditor::presetLnb(int lnb, const QStringList &names, const QStringList &pair)
{
    const QString chosen = lnb == 0 ? current.lnb1 : current.lnb2;
    // The editor's own choice goes when the switch cannot carry it.
    const bool own = !chosen.isEmpty() && chosen == presetNames[lnb];
    if (names.contains(chosen) && (!own || SwitchSatellites::canCarry(*data, chosen)))
        return;
    // Only an empty choice or the editor's own preset is replaced, and the
    // preset only while no static UB on that input names a transponder.
    if (!chosen.isEmpty() && chosen != presetNames[lnb])
        return;
    for (const UBRecord &record : current.list) {
        if (record.isStatic() && record.tp >= 0 && int(record.lnb > 0) == lnb && !chosen.isEmpty())
            return;
    }
    if (pair.size() <= lnb)
        return;
    presetNames[lnb] = pair.at(lnb);
    setLnb(lnb, pair.at(lnb));
}

QString PlanEditor::takeData(const SharedCatalogue &catalogue, const QStringList &startPair)
{
    data = catalogue;
    const QStringList names = data->satelliteNames();
    presetLnb(0, names, startPair);
    presetLnb(1, names, startPair);
    return checkAgainstData();
}

QString PlanEditor::checkAgainstData()
{
    // A static UB's transponder is found again by its frequency and
    // polarisation; one the data lack keeps them and is marked.
    const PlanVerdict verdict = PlanPreparation(data).prepare(plan());
    // A new satellite clears its input's transponders: the list comes after.
    setLnb(0, verdict.plan.lnb1);
    setLnb(1, verdict.plan.lnb2);
    if (verdict.plan.list != current.list)
        setList(verdict.plan.list);
    QString missing;
    if (!verdict.moved.isEmpty())
        missing += QLatin1Char(' ') + verdict.moved;
    if (!verdict.lostSatellites.isEmpty())
        missing += QLatin1Char(' ') +
                   tr("Not in these data: %1.").arg(verdict.lostSatellites.join(QStringLiteral(", ")));
    const BandRules::Match &match = verdict.match;
    if (!match.missing.isEmpty())
        missing +=
            QLatin1Char(' ') +
            tr("Transponders not in these data (marked): %1.").arg(UBRecord::displayNames(match.missing));
    if (!match.renumbered.isEmpty())
        missing += QLatin1Char(' ') + match.renumberedText();
    for (const QString &note : match.polarisationNotes)
        missing += QLatin1Char(' ') + note + QLatin1Char('.');
    return missing;
}
