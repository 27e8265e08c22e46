// Feeds arbitrary bytes to the reader of the built-in satellite data (the
// file the build makes from the scan tables). A file is taken whole, with a
// summary for every satellite, or not at all, with the reason.
#include "FuzzApplication.h"
#include "db/BuiltInSatellites.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_builtin_satellites"};
    QTemporaryDir dir;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QString path = harness.dir.filePath(QStringLiteral("satellites.tsv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    const BuiltInSatellites::Data read = BuiltInSatellites::load(path);
    if (read.reason.isEmpty() == read.items.empty())
        std::abort();
    if (!read.reason.isEmpty() && !read.params.isEmpty())
        std::abort();
    if (read.reason.isEmpty()) {
        if (int(read.items.size()) != read.params.size())
            std::abort();
        for (const SateliteParams &params : read.params) {
            if (read.items.count(params.name) != 1)
                std::abort();
        }
    }
    return 0;
}
