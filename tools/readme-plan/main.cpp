// Prepares what tools/readme-pictures.sh shows: the offline satellite cache
// of the interface tests in DATA_DIR (the program's data directory) and, in
// PLAN_FILE, a settings file with a plan that uses every colour of the band
// list: four static UBs on both LNBs, one of them still unassigned.
//   fenzo-readme-plan DATA_DIR PLAN_FILE
#include "UiTestHelper.h"
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QUrl>

#include <cstdio>

namespace {
void set(UBDataModel &model, quint32 ubNumber, int role, const QVariant &value)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.ubList().at(row).ubNumber == ubNumber)
            model.setData(model.index(row), value, role);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fenzo-readme-plan DATA_DIR PLAN_FILE\n");
        return 2;
    }
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    const QString planFile = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(dataDir) || !UiTestHelper(dataDir).writeSatelliteCache()) {
        std::fprintf(stderr, "cannot write the satellite cache to %s\n", argv[1]);
        return 1;
    }

    UBModelController::Environment environment;
    // Nothing listens on port 1: the cache just written is used.
    environment.connection = {QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                              QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), 1};
    environment.cacheDirectory = dataDir;
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    UBDataModel model;
    UBModelController controller(&model, environment);
    QSignalSpy errors(&controller, &UBModelController::errorOccured);
    controller.initialize();
    model.setLnb1(QStringLiteral("Astra 19.2E"));
    model.setLnb2(QStringLiteral("Astra 28.2E"));
    controller.setStaticUBs(4, true);
    set(model, 23, UBDataModel::LnbRole, 0);
    set(model, 23, UBDataModel::TpRole, 3);
    set(model, 23, UBDataModel::FreqRole, 10752);
    set(model, 22, UBDataModel::LnbRole, 0);
    set(model, 22, UBDataModel::TpRole, 8);
    set(model, 22, UBDataModel::FreqRole, 10847);
    set(model, 21, UBDataModel::LnbRole, 1);
    set(model, 21, UBDataModel::TpRole, 22);
    set(model, 21, UBDataModel::FreqRole, 11241);
    set(model, 20, UBDataModel::LnbRole, 1);
    controller.saveToFile(QUrl::fromLocalFile(planFile).toString());
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(errors.first().first().toString()));
        return 1;
    }
    return 0;
}
