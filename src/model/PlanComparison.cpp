#include "PlanComparison.h"

#include <QMap>

#include <algorithm>

namespace {
QString transponder(const UBRecord &record)
{
    if (record.tp < 0)
        return PlanComparison::tr("no transponder");
    return PlanComparison::tr("transponder %1 (%2 MHz)").arg(record.tp).arg(record.freq);
}

QMap<quint32, UBRecord> byNumber(const QList<UBRecord> &list)
{
    QMap<quint32, UBRecord> map;
    for (const UBRecord &record : list)
        map.insert(record.ubNumber, record);
    return map;
}
} // namespace

QString PlanComparison::terrestrialPathName()
{
    return tr("Terrestrial path");
}

QString PlanComparison::lteFilterName()
{
    return tr("LTE filter");
}

QString PlanComparison::standByName()
{
    return tr("Stand-by");
}

QString PlanComparison::onOff(bool on)
{
    return on ? tr("on") : tr("off");
}

PlanComparison::PlanComparison(const BandPlan &plan, const BandPlan &device)
{
    compareSettings(plan, device);
    compareUBs(plan.list, device.list);
}

QStringList PlanComparison::lines() const
{
    if (same())
        return {tr("The switch holds this plan.")};
    return differences;
}

void PlanComparison::add(const QString &what, const QString &inPlan, const QString &inDevice)
{
    differences << tr("%1: %2 in the plan, %3 in the switch").arg(what, inPlan, inDevice);
}

void PlanComparison::compareSettings(const BandPlan &plan, const BandPlan &device)
{
    if (plan.lnb1 != device.lnb1)
        add(tr("Satellite on LNB1"), plan.lnb1, device.lnb1);
    if (plan.lnb2 != device.lnb2)
        add(tr("Satellite on LNB2"), plan.lnb2, device.lnb2);
    if (plan.terrestrialPatchActive != device.terrestrialPatchActive)
        add(terrestrialPathName(), onOff(plan.terrestrialPatchActive), onOff(device.terrestrialPatchActive));
    if (plan.lteFilter != device.lteFilter)
        add(lteFilterName(), onOff(plan.lteFilter), onOff(device.lteFilter));
    if (plan.standBy != device.standBy)
        add(standByName(), onOff(plan.standBy), onOff(device.standBy));
}

void PlanComparison::compareUBs(const QList<UBRecord> &plan, const QList<UBRecord> &device)
{
    const QMap<quint32, UBRecord> inPlan = byNumber(plan);
    const QMap<quint32, UBRecord> inDevice = byNumber(device);
    QList<quint32> numbers = inPlan.keys();
    for (quint32 number : inDevice.keys()) {
        if (!inPlan.contains(number))
            numbers << number;
    }
    std::sort(numbers.begin(), numbers.end());
    for (quint32 number : qAsConst(numbers)) {
        if (!inDevice.contains(number))
            differences << tr("%1: only in the plan").arg(UBRecord::displayName(number));
        else if (!inPlan.contains(number))
            differences << tr("%1: only in the switch").arg(UBRecord::displayName(number));
        else
            compareUB(inPlan.value(number), inDevice.value(number));
    }
}

void PlanComparison::compareUB(const UBRecord &plan, const UBRecord &device)
{
    const QString name = UBRecord::displayName(plan.ubNumber);
    // Whatever is not static is treated as dynamic, as everywhere else.
    if (plan.isStatic() != device.isStatic()) {
        add(name, plan.isStatic() ? tr("static") : tr("dynamic"),
            device.isStatic() ? tr("static") : tr("dynamic"));
        return;
    }
    if (plan.isStatic()) {
        if (plan.lnb != device.lnb)
            add(name, tr("LNB%1").arg(plan.lnb + 1), tr("LNB%1").arg(device.lnb + 1));
        if (plan.tp != device.tp || plan.freq != device.freq)
            add(name, transponder(plan), transponder(device));
        return;
    }
    if (plan.line != device.line)
        add(name, tr("line %1").arg(plan.line + 1), tr("line %1").arg(device.line + 1));
    if (plan.localUB != device.localUB)
        add(name, tr("local UB %1").arg(plan.localUB + 1), tr("local UB %1").arg(device.localUB + 1));
}
