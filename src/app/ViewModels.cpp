#include "ViewModels.h"

#include "controller/DeviceStatus.h"
#include "controller/PlanFiles.h"
#include "controller/SatelliteDataView.h"
#include "controller/SiteView.h"
#include "controller/SwitchView.h"
#include "controller/UBDataModel.h"
#include "controller/UBModelController.h"
#include "report/SupportReportSaver.h"
#include "sheet/InstallationSheet.h"

#include <QByteArray>
#include <QQmlEngine>
#include <QStringListModel>
#include <QVariant>

namespace {

const char moduleUri[] = "Fenzo";

// The engine carries its own objects: one program may hold several engines
// (the tests do), each with its own window's parts.
QByteArray keyOf(const char *name)
{
    return QByteArray("fenzo.viewModel.") + name;
}

template <typename T> void registerSingleton(const char *name)
{
    qmlRegisterSingletonType<T>(moduleUri, 1, 0, name, [name](QQmlEngine *engine, QJSEngine *) -> QObject * {
        QObject *object = engine->property(keyOf(name).constData()).value<QObject *>();
        // The engine would otherwise delete it with itself.
        if (object)
            QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
        return object;
    });
}

void registerOnce()
{
    static const bool registered = [] {
        registerSingleton<UBDataModel>("Plan");
        registerSingleton<UBModelController>("Controller");
        registerSingleton<DeviceStatus>("Device");
        registerSingleton<QStringListModel>("SatelliteNames");
        registerSingleton<InstallationSheet>("Sheet");
        registerSingleton<SupportReportSaver>("Report");
        registerSingleton<SatelliteDataView>("SatelliteData");
        registerSingleton<SwitchView>("Switch");
        registerSingleton<PlanFiles>("PlanFiles");
        registerSingleton<SiteView>("Site");
        qmlRegisterUncreatableType<SiteEntryListModel>(moduleUri, 1, 0, "SiteEntryList",
                                                       QStringLiteral("the entries come from Site"));
        return true;
    }();
    Q_UNUSED(registered)
}

void hand(QQmlEngine &engine, const char *name, QObject *object)
{
    engine.setProperty(keyOf(name).constData(), QVariant::fromValue(object));
}

} // namespace

void ViewModels::exposeTo(QQmlEngine &engine) const
{
    registerOnce();
    hand(engine, "Plan", plan);
    hand(engine, "Controller", controller);
    hand(engine, "Device", device);
    hand(engine, "SatelliteNames", satelliteNames);
    hand(engine, "Sheet", sheet);
    hand(engine, "Report", report);
    // The controller's parts, for the window's parts that need only one.
    hand(engine, "SatelliteData", controller ? controller->satelliteDataView() : nullptr);
    hand(engine, "Switch", controller ? controller->switchPart() : nullptr);
    hand(engine, "PlanFiles", controller ? controller->planFiles() : nullptr);
    hand(engine, "Site", controller ? controller->siteView() : nullptr);
}
