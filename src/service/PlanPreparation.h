#pragma once

#include "PlanVerdict.h"

#include "model/SatelliteCatalogue.h"

// A plan made ready for the switch with the satellite data in use, in one
// place for the window and the tool: it meets the data, is checked and
// encoded, and the verdict says whether it can be sent and what changed.
class PlanPreparation
{
public:
    // Null data: the plan stays as it is and only a plan without static UBs
    // gets its words.
    explicit PlanPreparation(SharedCatalogue data);

    PlanVerdict prepare(const BandPlan &plan) const;

private:
    void meetData(PlanVerdict &verdict) const;
    void encode(PlanVerdict &verdict) const;

    SharedCatalogue data;
};
