// Feeds arbitrary bytes to the server setting's reader. Whatever the file
// holds, the server it yields obeys the setting's rules (a setting that
// breaks them counts as not stored).
#include "FuzzApplication.h"
#include "db/ServerSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_server_settings"};
    QTemporaryDir dir;
    int round = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    // Names in turn: the settings reader keeps what it read of a file whose
    // size and time look unchanged.
    const QString path = harness.dir.filePath(QStringLiteral("server-%1.ini").arg(harness.round++ % 64));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    if (!ServerSettings::problem(ServerSettings(path).load()).isEmpty())
        std::abort();
    return 0;
}
