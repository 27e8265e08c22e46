#include "PlanEditor.h"

#include "model/BandRules.h"
#include "model/SwitchSatellites.h"
#include "model/UBDataModel.h"
#include "service/PlanPreparation.h"

#include <algorithm>
#include <memory>

PlanEditor::PlanEditor(UBDataModel *model, QObject *parent)
    : QObject(parent), model(model), data(std::make_shared<const SatelliteCatalogue>())
{
    createDefaultUBs();
    connect(model, &UBDataModel::dynamicLinesChanged, this, [this] { resetDynamicUBs(false); });
    // A satellite chosen or loaded is the plan's own from then on.
    connect(model, &UBDataModel::lnb1Changed, this, [this](const QString &name) {
        if (name != presetNames[0])
            presetNames[0].clear();
        satelliteChosen(0);
    });
    connect(model, &UBDataModel::lnb2Changed, this, [this](const QString &name) {
        if (name != presetNames[1])
            presetNames[1].clear();
        satelliteChosen(1);
    });
}

BandPlan PlanEditor::plan() const
{
    return BandPlan::fromModel(*model);
}

void PlanEditor::replace(const BandPlan &plan)
{
    plan.applyTo(*model);
}

QString PlanEditor::lineTooHighMessage()
{
    return tr("Line for dynamic channel must be smaller than 5");
}

void PlanEditor::createDefaultUBs()
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
    model->setUBList(list);
    resetDynamicUBs(true);
}

void PlanEditor::resetDynamicUBs(bool resetLines)
{
    BandPlan plan;
    plan.list = model->ubList();
    if (!plan.numberDynamicUBs(resetLines)) {
        emit errorOccured(lineTooHighMessage());
        return;
    }
    model->setUBList(plan.list);
}

void PlanEditor::setStaticUBs(uint numStaticUBs, bool above)
{
    QList<UBRecord> list = model->ubList();
    const int count = list.size();
    // More static UBs than rows cannot be honoured; never touch rows outside.
    const int n = int(qMin<uint>(numStaticUBs, uint(count)));
    const int previousStatic = int(
        std::count_if(list.cbegin(), list.cend(), [](const UBRecord &record) { return record.isStatic(); }));

    const int firstStatic = above ? 0 : count - n;
    // New static UBs go to an input whose satellite the switch can carry.
    const int lnbForNew = SwitchSatellites::lnbForStatic(*data, model->lnb1(), model->lnb2());
    if (n > previousStatic && lnbForNew < 0) {
        refuseNewStaticUBs(firstStatic + previousStatic, firstStatic + n, list);
        return;
    }
    BandRules::placeStaticUBs(list, n, above, quint32(qMax(lnbForNew, 0)));
    model->setUBList(list);
    resetDynamicUBs(!above);
    emit staticUBsChanged(above);
}

void PlanEditor::refuseNewStaticUBs(int firstRow, int endRow, const QList<UBRecord> &list)
{
    QList<quint32> refused;
    for (int row = firstRow; row < endRow; ++row)
        refused << list.at(row).ubNumber;
    QStringList lines;
    for (const QString &satellite : {model->lnb1(), model->lnb2()}) {
        const QString line = SwitchSatellites::staticRefusal(refused, satellite);
        if (!lines.contains(line))
            lines << line;
    }
    emit errorOccured(lines.join(QLatin1Char('\n')));
}

QString PlanEditor::satelliteOf(int row) const
{
    if (row < 0 || row >= model->ubList().size())
        return QString();
    return BandRules::satelliteOf(model->ubList().at(row), model->lnb1(), model->lnb2());
}

void PlanEditor::chooseTransponder(int row, int transponder)
{
    // Numbers below -1 are the list's own entries ("Other transponder…").
    if (row < 0 || row >= model->ubList().size() || transponder < -1)
        return;
    const UBRecord &record = model->ubList().at(row);
    const QString satellite = satelliteOf(row);
    if (record.isStatic() && transponder >= 0 && !SwitchSatellites::canCarry(*data, satellite)) {
        emit errorOccured(SwitchSatellites::staticRefusal({record.ubNumber}, satellite));
        return;
    }
    model->setRecord(row, BandRules::withTransponder(record, *data, satellite, transponder));
}

void PlanEditor::chooseLnb(int row, int lnb)
{
    if (row < 0 || row >= model->ubList().size() || lnb < 0 || lnb > 1)
        return;
    const UBRecord &record = model->ubList().at(row);
    const QString satellite = lnb > 0 ? model->lnb2() : model->lnb1();
    if (record.isStatic() && quint32(lnb) != record.lnb && !SwitchSatellites::canCarry(*data, satellite)) {
        emit errorOccured(SwitchSatellites::staticRefusal({record.ubNumber}, satellite));
        return;
    }
    model->setRecord(row, BandRules::withLnb(record, quint32(lnb)));
}

void PlanEditor::satelliteChosen(quint32 lnb)
{
    // Row by row: a whole new list would also rule on stand-by, which a
    // plan being loaded sets before its satellites.
    QList<UBRecord> list = model->ubList();
    if (!BandRules::clearLnb(list, lnb))
        return;
    for (int row = 0; row < list.size(); ++row)
        model->setRecord(row, list.at(row));
}

void PlanEditor::presetLnb(int lnb, const QStringList &names, const QStringList &pair)
{
    const QString current = lnb == 0 ? model->lnb1() : model->lnb2();
    // The editor's own choice goes when the switch cannot carry it.
    const bool own = !current.isEmpty() && current == presetNames[lnb];
    if (names.contains(current) && (!own || SwitchSatellites::canCarry(*data, current)))
        return;
    // Only an empty choice or the editor's own preset is replaced, and the
    // preset only while no static UB on that input names a transponder.
    if (!current.isEmpty() && current != presetNames[lnb])
        return;
    for (const UBRecord &record : model->ubList()) {
        if (record.isStatic() && record.tp >= 0 && int(record.lnb > 0) == lnb && !current.isEmpty())
            return;
    }
    if (pair.size() <= lnb)
        return;
    presetNames[lnb] = pair.at(lnb);
    if (lnb == 0)
        model->setLnb1(pair.at(lnb));
    else
        model->setLnb2(pair.at(lnb));
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
    model->setLnb1(verdict.plan.lnb1);
    model->setLnb2(verdict.plan.lnb2);
    if (verdict.plan.list != model->ubList())
        model->setUBList(verdict.plan.list);
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
