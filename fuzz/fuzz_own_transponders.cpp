// Feeds arbitrary bytes to the reader of the user's own transponders. A file
// is taken whole or refused with a reason; what is taken lies in the Ku band,
// is named plainly, is listed once and writes back as the same list.
#include "model/OwnTransponders.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    OwnTransponders read;
    QString reason;
    if (!OwnTransponders::fromText(bytes, &read, &reason)) {
        if (reason.isEmpty() || !read.isEmpty())
            std::abort();
        return 0;
    }
    if (read.entries().size() > OwnTransponders::maxEntries)
        std::abort();
    for (const OwnTransponder &entry : read.entries()) {
        if (entry.frequency < OwnTransponders::lowestFrequency ||
            entry.frequency > OwnTransponders::highestFrequency || !entry.polarisation.isKnown() ||
            entry.satellite.isEmpty() || entry.satellite.size() > OwnTransponders::maxNameLength)
            std::abort();
    }
    OwnTransponders again;
    if (!OwnTransponders::fromText(read.toText(), &again, &reason) || !(again == read))
        std::abort();
    return 0;
}
