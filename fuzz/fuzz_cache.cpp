// Feeds arbitrary bytes to the offline cache reader: written as db.dat and
// loaded through SqlHandler with a server that never answers. A file is
// either loaded whole or not at all, and no count in it may make the reader
// allocate more than the file could hold.
#include "FuzzApplication.h"
#include "db/SqlHandler.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <stdexcept>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_cache"};
    QTemporaryDir dir;
    // Nothing listens on port 1: every start falls back to the cache.
    SqlHandler::Connection unreachable{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                       QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), 1};
};

bool throws(const std::function<void()> &call)
{
    try {
        call();
    } catch (const std::runtime_error &) {
        return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    {
        QFile file(harness.dir.filePath(QStringLiteral("db.dat")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    // The cache alone: no built-in data behind it.
    SqlHandler handler(harness.unreachable, harness.dir.path(), &QDateTime::currentDateTime,
                       [] { return BuiltInSatellites::Data(); });
    const bool loaded = !throws([&] { handler.connectToDatabase(); });
    // Loaded means usable; not loaded means nothing at all in memory.
    const SharedCatalogue satellites = handler.catalogue();
    if (loaded != handler.hasData() || (!loaded && !satellites->isEmpty()))
        std::abort();
    for (const QString &name : satellites->satelliteNames()) {
        for (const TransponderItem &row : satellites->transponders(name))
            satellites->findTransponderNear(name, row.frequency);
    }
    return 0;
}
