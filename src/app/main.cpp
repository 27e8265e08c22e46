#include "app/FenzoApplication.h"
#include "controller/UBModelController.h"
#include "io/LogRing.h"
#include "model/UBDataModel.h"
#include "sheet/InstallationSheet.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QStringListModel>
#include <QUrl>

int main(int argc, char **argv)
{
    // First, so that the support report holds the start-up's lines too.
    LogRing log;
    FenzoApplication app(argc, argv);
    FenzoApplication::installTranslator();

    QQmlApplicationEngine engine;
    FenzoApplication::prepareEngine(&engine);
    UBDataModel model;
    UBModelController controller(&model);
    engine.rootContext()->setContextProperty(QStringLiteral("ubListViewModel"), &model);
    engine.rootContext()->setContextProperty(QStringLiteral("ubModelController"), &controller);
    QStringListModel lnbModel;
    engine.rootContext()->setContextProperty(QStringLiteral("lnbModel"), &lnbModel);
    InstallationSheet::registerTypes();
    InstallationSheet sheet(&model, controller.satelliteData());
    engine.rootContext()->setContextProperty(QStringLiteral("installationSheet"), &sheet);
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
