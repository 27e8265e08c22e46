// Feeds arbitrary bytes to the settings file reader. A file that is not a
// complete settings file must leave the plan exactly as it was.
#include "FuzzApplication.h"
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdlib>

namespace {
struct Harness
{
    FuzzApplication application{"fuzz_settings"};
    QTemporaryDir dir;
    UBDataModel model;
    std::unique_ptr<UBModelController> controller;
    QList<UBRecord> defaultPlan;
    bool failed = false;

    Harness()
    {
        UBModelController::Environment environment;
        environment.connection.hostName = QStringLiteral("127.0.0.1");
        environment.connection.port = 1;
        environment.cacheDirectory = dir.filePath(QStringLiteral("cache"));
        environment.portLister = [] { return QList<SerialPortCandidate>(); };
        controller = std::make_unique<UBModelController>(&model, environment);
        defaultPlan = model.ubList();
        QObject::connect(controller.get(), &UBModelController::errorOccured, [this] { failed = true; });
    }
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
    harness.model.setUBList(harness.defaultPlan);
    harness.model.setLnb1(QStringLiteral("before"));
    harness.failed = false;
    harness.controller->readFromFile(QUrl::fromLocalFile(path).toString());
    if (harness.failed && (harness.model.ubList() != harness.defaultPlan || harness.model.lnb1() != "before"))
        std::abort();
    return 0;
}
