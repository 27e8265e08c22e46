// Feeds arbitrary bytes, decoded as the line reader decodes the switch's
// reply, to the reading of the answer to "*IDN?". Whatever the bytes: an
// identified answer has the maker in its first field and gives its third
// field whole as the serial number's field, the shown number is that field's
// end, and the backups' folder for it is one plain name inside their folder.
#include "FuzzApplication.h"
#include "device/DeviceIdentity.h"
#include "device/PlanBackup.h"

#include <QStringList>

#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkFolder(const QString &serialNumber)
{
    const QString folder = PlanBackup::folderName(serialNumber);
    require(!folder.isEmpty() && folder != QLatin1String(".") && folder != QLatin1String(".."));
    require(!folder.contains(QLatin1Char('/')) && !folder.contains(QLatin1Char('\\')));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzApplication application("fuzz_identification");
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const std::optional<DeviceIdentity> identity = DeviceIdentity::fromReply(reply);
    const QStringList fields = reply.split(QLatin1Char(','));
    const bool switchAnswer = fields.size() >= 3 && fields.at(0).contains(QLatin1String("KAVEN GmbH"));
    require(identity.has_value() == switchAnswer);
    if (!identity)
        return 0;
    const QString field = identity->serialField();
    require(field == fields.at(2));
    require(field.endsWith(identity->serialNumber()) && identity->serialNumber().size() <= field.size());
    // The same serial field in another switch's answer reads the same.
    const std::optional<DeviceIdentity> again =
        DeviceIdentity::fromReply(QStringLiteral("KAVEN GmbH,model,") + field + QStringLiteral(",1.0"));
    require(again && again->serialField() == field && again->serialNumber() == identity->serialNumber());
    checkFolder(identity->serialNumber());
    return 0;
}
