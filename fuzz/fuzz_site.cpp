// Feeds arbitrary bytes to the site file reader. A file it refuses must be
// refused with a reason and leave the site a reader held as it was; a file it
// takes must come back the same when written and read again, so that a change
// merged into it loses nothing.
#include "FuzzApplication.h"
#include "site/SiteFile.h"

#include <cstdlib>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_site"};
    Site held;

    Harness()
    {
        held.name = QStringLiteral("before");
        held.entries.append(SiteEntry{QStringLiteral("A"), QByteArray("plan"), {}, {}, false});
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QString path = QStringLiteral("input.fsite");
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    Site site = harness.held;
    QString reason;
    if (!SiteFile::fromJson(bytes, path, &site, &reason)) {
        if (reason.isEmpty() || site != harness.held)
            std::abort();
        return 0;
    }
    Site again;
    if (!SiteFile::fromJson(SiteFile::toJson(site), path, &again, &reason) || again != site)
        std::abort();
    return 0;
}
