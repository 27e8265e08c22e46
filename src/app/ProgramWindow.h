#pragma once

#include "controller/SatelliteListModel.h"
#include "controller/UBDataModel.h"
#include "controller/UBModelController.h"
#include "report/SupportReportSaver.h"
#include "sheet/InstallationSheet.h"

#include <QPointer>

class LogRing;
class QQmlEngine;
class QQmlApplicationEngine;

// The window's parts as the program puts them together: the plan, its
// controller, the satellite boxes' list, the installation sheet and the
// support report, handed to the interface as the singletons its QML uses. The
// program, its start-up benchmark and the interface tests share it, so that
// what they load is what the program shows.
class ProgramWindow
{
public:
    // `log`, when given, puts the recent log lines into the support report.
    explicit ProgramWindow(Environment environment = Environment::production(), const LogRing *log = nullptr);
    // Ends the interface it loaded first: its items hold the parts below.
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow &) = delete;
    ProgramWindow &operator=(const ProgramWindow &) = delete;

    // Makes the parts known to the engine's interface, before it loads.
    void expose(QQmlEngine &engine);
    // Exposes the parts and loads the main window.
    void load(QQmlApplicationEngine &engine);
    // After the interface is loaded, so that start-up errors reach its boxes:
    // the window starts from the local data and answers while the server is
    // asked, from its first frame on (at the latest after serverAfterMs).
    void start();
    static constexpr int serverAfterMs = 2000;

    UBDataModel &model() { return plan; }
    UBModelController &controller() { return control; }

private:
    SupportReport::Facts reportFacts() const;
    // The sheet shows the window's plan: handed over whole after every change.
    void showPlanOnSheet();

    const LogRing *log;
    QPointer<QQmlApplicationEngine> loadedBy;
    UBDataModel plan;
    UBModelController control;
    SatelliteListModel satelliteList;
    InstallationSheet sheet;
    SupportReportSaver supportReport;
};
