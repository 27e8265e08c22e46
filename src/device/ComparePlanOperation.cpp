#include "ComparePlanOperation.h"

#include <utility>

ComparePlanOperation::ComparePlanOperation(SentPlan sent, SharedCatalogue data, QObject *parent)
    : DeviceOperation(parent), sent(std::move(sent)),
      data(data ? std::move(data) : std::make_shared<const SatelliteCatalogue>())
{
}

void ComparePlanOperation::begin()
{
    readReplies([this](const DeviceReplies &replies) {
        if (stopIfCancelled())
            return;
        differing = PlanReadBack(sent, replies, *data).differences();
        finish(Kind::Done);
    });
}
