#pragma once

#include "DeviceOperation.h"
#include "model/BandPlan.h"
#include "model/SatelliteCatalogue.h"

// "Read from device": the switch's options and plan, read with the satellite
// data as they were when the read began. The satellite names of LNBs without
// static UBs are those given (the switch does not keep them).
class ReadPlanOperation : public DeviceOperation
{
    Q_OBJECT

public:
    // Null `data`: none, as an empty set.
    ReadPlanOperation(QString lnb1, QString lnb2, SharedCatalogue data, QObject *parent = nullptr);

    // The plan read; valid once the operation is Done.
    const BandPlan &plan() const { return read; }
    // Its UBs read in the high band from words with the band bit 0.
    const QList<quint32> &earlierBandWords() const { return earlierBand; }
    const DeviceReplies &replies() const { return answers; }

    // The plan in the replies, decoded with `data`; throws as
    // CodeWord::decodeConfiguration does.
    static BandPlan decode(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                           const SatelliteCatalogue &data, QList<quint32> *earlierBand = nullptr);

protected:
    void begin() override;

private:
    QString lnb1;
    QString lnb2;
    SharedCatalogue data;
    DeviceReplies answers;
    BandPlan read;
    QList<quint32> earlierBand;
};
