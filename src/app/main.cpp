#include "app/FenzoApplication.h"
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"
#include "sheet/InstallationSheet.h"

#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QStringListModel>
#include <QTranslator>
#include <QUrl>

int main(int argc, char **argv)
{
    FenzoApplication app(argc, argv);
    const QStringList uiLanguages = QLocale::system().uiLanguages();

    // Installed before anything that translates a text exists; it lives as
    // long as the process.
    auto *translator = new QTranslator;
    if (translator->load(FenzoApplication::translationBaseName(uiLanguages), QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);

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
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));

    // After the interface is loaded, so that start-up errors reach its boxes.
    controller.initialize();

    const QStringList satellites = controller.availableSatelites();
    lnbModel.setStringList(satellites);
    if (!satellites.isEmpty())
        model.setLnb1(satellites.at(0));
    if (satellites.size() >= 2)
        model.setLnb2(satellites.at(1));

    return app.exec();
}
