#pragma once

#include "DeviceOperation.h"
#include "PlanReadBack.h"
#include "SentPlan.h"
#include "model/SatelliteCatalogue.h"

// Reads the switch's working plan and holds it against a plan sent to it
// earlier, by the rules of a send's read-back: after a switch was powered
// off and on, this tells whether it works with the plan it was given to
// store. It ends Done whenever the switch answered; matches() and
// differences() say what it found.
class ComparePlanOperation : public DeviceOperation
{
    Q_OBJECT

public:
    // Null `data`: none, as an empty set.
    ComparePlanOperation(SentPlan sent, SharedCatalogue data, QObject *parent = nullptr);

    bool matches() const { return differing.isEmpty(); }
    const QStringList &differences() const { return differing; }

protected:
    void begin() override;

private:
    SentPlan sent;
    SharedCatalogue data;
    QStringList differing;
};
