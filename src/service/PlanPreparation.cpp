#include "PlanPreparation.h"

#include "model/NoSatelliteData.h"
#include "model/OrbitalPositions.h"

PlanPreparation::PlanPreparation(SharedCatalogue data) : data(std::move(data)) {}

PlanVerdict PlanPreparation::prepare(const BandPlan &plan) const
{
    PlanVerdict verdict;
    verdict.plan = plan;
    if (data && !data->isEmpty())
        meetData(verdict);
    checkAndEncode(verdict);
    return verdict;
}

PlanVerdict PlanPreparation::judge(const BandPlan &plan) const
{
    PlanVerdict verdict;
    verdict.plan = plan;
    checkAndEncode(verdict);
    return verdict;
}

void PlanPreparation::meetData(PlanVerdict &verdict) const
{
    // Positions first: a static UB's transponder is looked for on the
    // satellite's name in these data.
    BandPlan &plan = verdict.plan;
    verdict.moved = OrbitalPositions::movePlan(plan.lnb1, plan.lnb2, *data);
    verdict.match = BandRules::matchToCatalogue(plan.list, plan.lnb1, plan.lnb2, *data);
    const QStringList names = data->satelliteNames();
    for (const QString &name : {plan.lnb1, plan.lnb2}) {
        if (!name.isEmpty() && !names.contains(name) && !verdict.lostSatellites.contains(name))
            verdict.lostSatellites << name;
    }
}

void PlanPreparation::checkAndEncode(PlanVerdict &verdict) const
{
    static const SatelliteCatalogue none;
    const BandPlan &plan = verdict.plan;
    verdict.check = PlanCheck::of(plan.lnb1, plan.lnb2, plan.list);
    // The transfer's own encoding: every UB that cannot travel is named,
    // never the look-up's own words.
    try {
        verdict.words =
            PlanWords::encode(plan.list, plan.lnb1, plan.lnb2, data ? *data : none, [] { return 0u; });
    } catch (const NoSatelliteData &) {
        verdict.noData = true;
    }
}
