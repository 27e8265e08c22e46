#include "DeviceIdentity.h"

#include <QStringList>

std::optional<DeviceIdentity> DeviceIdentity::fromReply(const QString &reply)
{
    const QStringList fields = reply.split(QLatin1Char(','));
    if (fields.size() < 3 || !fields.at(0).contains(QLatin1String("KAVEN GmbH")))
        return std::nullopt;
    return DeviceIdentity(fields.at(2));
}
