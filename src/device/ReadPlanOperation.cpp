#include "ReadPlanOperation.h"

#include <stdexcept>
#include <utility>

ReadPlanOperation::ReadPlanOperation(QString lnb1, QString lnb2, SharedCatalogue data, QObject *parent)
    : DeviceOperation(parent), lnb1(std::move(lnb1)), lnb2(std::move(lnb2)),
      data(data ? std::move(data) : std::make_shared<const SatelliteCatalogue>())
{
}

BandPlan ReadPlanOperation::decode(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                                   const SatelliteCatalogue &data, QList<quint32> *earlierBand)
{
    BandPlan plan;
    plan.lteFilter = DeviceReplies::isOn(replies.lteFilter);
    plan.standBy = DeviceReplies::isOn(replies.standBy);
    plan.terrestrialPatchActive = DeviceReplies::isOn(replies.terrestrialPath);
    plan.lnb1 = lnb1;
    plan.lnb2 = lnb2;
    plan.list = CodeWord::decodeConfiguration(replies.configuration, plan.lnb1, plan.lnb2, data, earlierBand);
    // The lines come from two bits of each word: numbering cannot fail.
    plan.numberDynamicUBs(false);
    return plan;
}

void ReadPlanOperation::begin()
{
    readReplies([this](const DeviceReplies &replies) {
        // A cancel during the last answer still leaves the window's plan alone.
        if (stopIfCancelled())
            return;
        answers = replies;
        try {
            read = decode(replies, lnb1, lnb2, *data, &earlierBand);
        } catch (const std::exception &e) {
            // Whole or nothing: a plan that cannot be read is no plan.
            finish(Kind::Failed, QString::fromUtf8(e.what()));
            return;
        }
        finish(Kind::Done);
    });
}
