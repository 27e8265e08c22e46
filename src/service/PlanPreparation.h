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

    // The plan moved onto the data, checked and encoded.
    PlanVerdict prepare(const BandPlan &plan) const;
    // A plan already moved onto these data (the window's, moved whenever
    // data arrive) checked and encoded as it is: the verdict is about what
    // a transfer of it would send.
    PlanVerdict judge(const BandPlan &plan) const;

private:
    void meetData(PlanVerdict &verdict) const;
    void checkAndEncode(PlanVerdict &verdict) const;

    SharedCatalogue data;
};
