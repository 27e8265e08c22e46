#pragma once

class DeviceStatus;
class InstallationSheet;
class QObject;
class QQmlEngine;
class QStringListModel;
class SupportReportSaver;
class UBDataModel;
class UBModelController;

// The objects the QML reaches by name, as typed singletons of the module
// "Fenzo 1.0": Plan, Controller, Device, SatelliteNames, Sheet and Report, and
// the controller's parts SatelliteData, Switch, PlanFiles and Site.
// Each engine shows the set it was handed; the objects stay their owner's and
// must outlive the engine's items.
struct ViewModels
{
    UBDataModel *plan = nullptr;
    UBModelController *controller = nullptr;
    DeviceStatus *device = nullptr;
    QStringListModel *satelliteNames = nullptr;
    InstallationSheet *sheet = nullptr;
    SupportReportSaver *report = nullptr;

    // Before the engine loads the interface.
    void exposeTo(QQmlEngine &engine) const;
};
