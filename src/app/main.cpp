#include "app/FenzoApplication.h"
#include "io/ProgramIdentity.h"
#include "controller/SatelliteFilter.h"
#include "controller/SatelliteListModel.h"
#include "controller/UBModelController.h"
#include "io/LogRing.h"
#include "model/BandPlan.h"
#include "model/UBDataModel.h"
#include "report/SupportReportSaver.h"
#include "sheet/InstallationSheet.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QUrl>

int main(int argc, char **argv)
{
    // First, so that the support report holds the start-up's lines too.
    LogRing log;
    FenzoApplication app(argc, argv);
    ProgramIdentity::installTranslator();

    QQmlApplicationEngine engine;
    FenzoApplication::prepareEngine(&engine);
    UBDataModel model;
    UBModelController controller(&model, Environment::production());
    engine.rootContext()->setContextProperty(QStringLiteral("ubListViewModel"), &model);
    engine.rootContext()->setContextProperty(QStringLiteral("ubModelController"), &controller);
    SatelliteListModel lnbModel([&controller] { return controller.catalogue(); });
    engine.rootContext()->setContextProperty(QStringLiteral("lnbModel"), &lnbModel);
    InstallationSheet::registerTypes();
    SatelliteFilter::registerType();
    InstallationSheet sheet(
        &model, [&controller] { return controller.catalogue(); }, &QDate::currentDate, nullptr,
        [&controller] { return controller.ownTransponders(); });
    engine.rootContext()->setContextProperty(QStringLiteral("installationSheet"), &sheet);
    SupportReportSaver supportReport([&] {
        SupportReport::Facts facts = SupportReport::running();
        facts.satelliteData =
            QStringList{controller.satelliteDataSummary(), controller.satelliteDataNotice(),
                        controller.satelliteNumberingNote()};
        facts.satelliteData.removeAll(QString());
        facts.ports = SupportReport::systemPorts();
        facts.portProblems = controller.portProblem().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        facts.switchId = model.deviceConnected() ? model.serialNumber() : QString();
        facts.hasPlan = true;
        facts.plan = BandPlan::fromModel(model);
        facts.own = controller.ownTransponders();
        facts.log = log.lines();
        facts.secrets << controller.serverSettings().value(QStringLiteral("password")).toString();
        return facts;
    });
    engine.rootContext()->setContextProperty(QStringLiteral("supportReport"), &supportReport);
    QObject::connect(&controller, &UBModelController::busyChanged, &app,
                     [&controller] { FenzoApplication::showBusy(controller.busy()); });
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));

    // The satellite boxes list the names of the data in memory; the
    // controller fits the plan to every new set of data itself.
    QObject::connect(&controller, &UBModelController::satelliteListChanged, &lnbModel,
                     &QStringListModel::setStringList);
    QObject::connect(&controller, &UBModelController::satelliteDataChanged, &sheet,
                     &InstallationSheet::changed);
    // After the interface is loaded, so that start-up errors reach its boxes;
    // the window starts from the local data and answers while the server is
    // asked.
    controller.initializeInBackground();

    return app.exec();
}
