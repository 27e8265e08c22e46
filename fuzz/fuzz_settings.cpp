// Feeds arbitrary bytes to the settings file reader. A file that is not a
// complete settings file must be refused with a reason, and the plan a
// reader held before must stay exactly as it was.
#include "FuzzApplication.h"
#include "io/PrintableText.h"
#include "model/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <exception>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_settings"};
    QTemporaryDir dir;
    BandPlan held = BandPlan::defaultPlan();

    Harness() { held.lnb1 = QStringLiteral("before"); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Harness harness;
    const QString path = harness.dir.filePath(QStringLiteral("input.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    BandPlan plan = harness.held;
    try {
        // The window shows the version line as soon as it is read.
        plan = SettingsFile::read(path, [](const QString &version) { PrintableText::escaped(version); });
    } catch (const std::exception &e) {
        if (QString::fromUtf8(e.what()).isEmpty() || plan != harness.held)
            std::abort();
    }
    return 0;
}
