// Feeds arbitrary bytes to the reader of a verbatim backup (the switch's four
// replies). Whatever the bytes, it takes them or refuses them with a reason;
// what it takes holds 24 code words, writes back to the same replies, and a
// refused text leaves the replies it was given alone.
#include "device/DeviceReplies.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    DeviceReplies replies;
    replies.lteFilter = QStringLiteral("before");
    QString reason;
    if (!DeviceReplies::fromText(text, replies, &reason)) {
        if (reason.isEmpty() || replies.lteFilter != QLatin1String("before"))
            std::abort();
        return 0;
    }
    if (replies.words().size() != 24)
        std::abort();
    DeviceReplies again;
    if (!DeviceReplies::fromText(replies.toText(), again, nullptr) || again != replies)
        std::abort();
    return 0;
}
