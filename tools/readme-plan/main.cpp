// Writes the plan that tools/readme-pictures.sh shows into PLAN_FILE: a
// settings file that uses every colour of the band list, with four static UBs
// on both LNBs, one of them still unassigned. The satellite data come from
// the server the program is built to use (the realistic set, which the
// script starts in a network namespace of its own).
//   fenzo-readme-plan PLAN_FILE
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {
const QString lnb1 = QStringLiteral("Astra 19.2E");
const QString lnb2 = QStringLiteral("Astra 23.5E");

// A static UB on a transponder of its LNB's satellite, with its frequency.
void assign(UBDataModel &model, const SatelliteCatalogue &data, quint32 ubNumber, quint32 lnb, qint32 tp)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.ubList().at(row).ubNumber != ubNumber)
            continue;
        model.setData(model.index(row), lnb, UBDataModel::LnbRole);
        if (tp < 0)
            return;
        const TransponderItem *item = data.findTransponder(lnb ? lnb2 : lnb1, quint32(tp));
        if (!item)
            throw std::runtime_error("transponder " + std::to_string(tp) + " is not in the satellite data");
        model.setData(model.index(row), tp, UBDataModel::TpRole);
        model.setData(model.index(row), item->frequency, UBDataModel::FreqRole);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fenzo-readme-plan PLAN_FILE\n");
        return 2;
    }
    QTemporaryDir cache;
    UBModelController::Environment environment;
    environment.cacheDirectory = cache.path();
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    UBDataModel model;
    UBModelController controller(&model, environment);
    QStringList errors;
    QObject::connect(&controller, &UBModelController::errorOccured,
                     [&errors](const QString &text) { errors << text; });
    controller.initialize();
    try {
        model.setLnb1(lnb1);
        model.setLnb2(lnb2);
        controller.setStaticUBs(4, true);
        const SharedCatalogue data = controller.catalogue();
        assign(model, *data, 23, 0, 53);
        assign(model, *data, 22, 0, 52);
        assign(model, *data, 21, 1, 22);
        assign(model, *data, 20, 1, -1);
    } catch (const std::exception &e) {
        errors << QString::fromUtf8(e.what());
    }
    if (errors.isEmpty())
        controller.saveToFile(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])).toString());
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(errors.join(QLatin1Char('\n'))));
        return 1;
    }
    return 0;
}
