#include "app/FenzoApplication.h"
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"
#include "sheet/InstallationSheet.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QStringListModel>
#include <QUrl>

int main(int argc, char **argv)
{
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

    // Once the satellite data (or the failure) are there: the names for the
    // satellite boxes, and the first two preset.
    QObject::connect(&controller, &UBModelController::satelliteDataReady, &lnbModel, [&] {
        const QStringList satellites = controller.availableSatelites();
        lnbModel.setStringList(satellites);
        if (!satellites.isEmpty())
            model.setLnb1(satellites.at(0));
        if (satellites.size() >= 2)
            model.setLnb2(satellites.at(1));
    });
    // After the interface is loaded, so that start-up errors reach its boxes;
    // the window is drawn and answers while the server is asked.
    controller.initializeInBackground();

    return app.exec();
}
