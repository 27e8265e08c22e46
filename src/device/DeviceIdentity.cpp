#include "DeviceIdentity.h"

#include "model/UBDataModel.h"

#include <QStringList>

std::optional<DeviceIdentity> DeviceIdentity::fromReply(const QString &reply)
{
    const QStringList fields = reply.split(QLatin1Char(','));
    if (fields.size() < 3 || !fields.at(0).contains(QLatin1String("KAVEN GmbH")))
        return std::nullopt;
    return DeviceIdentity(fields.at(2));
}

QString DeviceIdentity::serialNumber() const
{
    // The model shows what the device link reports, by the same rule.
    return UBDataModel::shownSerialNumber(field);
}
