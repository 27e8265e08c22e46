#include "ProgramWindow.h"

#include "FenzoApplication.h"
#include "ViewModels.h"
#include "controller/PlanEditor.h"
#include "controller/SatelliteFilter.h"
#include "io/LogRing.h"
#include "service/SerialPortLines.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

ProgramWindow::ProgramWindow(Environment environment, const LogRing *log)
    : log(log), control(&plan, std::move(environment)), satelliteList([this] { return control.catalogue(); }),
      sheet([this] { return control.catalogue(); }, &QDate::currentDate, nullptr,
            [this] { return control.ownTransponders(); },
            [this] { return control.deviceStatus()->connectedSwitch(); }),
      supportReport([this] { return reportFacts(); })
{
    // The satellite boxes list the names of the data in memory; the
    // controller fits the plan to every new set of data itself.
    QObject::connect(&control, &UBModelController::satelliteListChanged, &satelliteList,
                     &QStringListModel::setStringList);
    QObject::connect(&control, &UBModelController::satelliteDataChanged, &sheet, &InstallationSheet::changed);
    showPlanOnSheet();
    // Every change of the plan, whoever made it, comes through its editor.
    QObject::connect(plan.editor(), &PlanEditor::changed, &sheet, [this] { showPlanOnSheet(); });
    // The sheet names the switch the window shows.
    const DeviceStatus *device = control.deviceStatus();
    QObject::connect(device, &DeviceStatus::serialNumberChanged, &sheet, &InstallationSheet::changed);
    QObject::connect(device, &DeviceStatus::connectedChanged, &sheet, &InstallationSheet::changed);
}

void ProgramWindow::showPlanOnSheet()
{
    sheet.setPlan(plan.editor()->plan());
}

ProgramWindow::~ProgramWindow()
{
    // An engine that outlives this object would end its windows after the
    // models they show, and the items would still look at them meanwhile.
    if (loadedBy)
        qDeleteAll(loadedBy->rootObjects());
}

void ProgramWindow::expose(QQmlEngine &engine)
{
    FenzoApplication::prepareEngine(&engine);
    InstallationSheet::registerTypes();
    SatelliteFilter::registerType();
    const ViewModels parts{&plan, &control, control.deviceStatus(), &satelliteList, &sheet, &supportReport};
    parts.exposeTo(engine);
}

void ProgramWindow::load(QQmlApplicationEngine &engine)
{
    expose(engine);
    loadedBy = &engine;
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
}

void ProgramWindow::start()
{
    control.startFromLocalData();
    // The server is asked once the window has shown its first frame: the
    // download's database client and its encryption library would otherwise
    // take their share of the processors and memory while the window is being
    // made. A window that shows no frame (hidden, say) does not hold the data
    // back for longer than a moment.
    auto asked = std::make_shared<QMetaObject::Connection>();
    const auto askServer = [this, asked] {
        if (!*asked)
            return;
        QObject::disconnect(*asked);
        *asked = QMetaObject::Connection();
        control.updateSatelliteData();
    };
    auto *window = loadedBy && !loadedBy->rootObjects().isEmpty()
                       ? qobject_cast<QQuickWindow *>(loadedBy->rootObjects().first())
                       : nullptr;
    if (!window) {
        control.updateSatelliteData();
        return;
    }
    // frameSwapped may come from the render thread: the call is queued to
    // the controller's.
    *asked = QObject::connect(window, &QQuickWindow::frameSwapped, &control, askServer, Qt::QueuedConnection);
    QTimer::singleShot(serverAfterMs, &control, askServer);
}

SupportReport::Facts ProgramWindow::reportFacts() const
{
    SupportReport::Facts facts = SupportReport::running();
    facts.satelliteData = QStringList{control.satelliteDataSummary(), control.satelliteDataNotice(),
                                      control.satelliteNumberingNote()};
    facts.satelliteData.removeAll(QString());
    facts.ports = SerialPortLines::system();
    facts.portProblems = control.deviceStatus()->portProblem().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    facts.switchId = control.deviceStatus()->connectedSwitch().value_or(QString());
    facts.siteFile = control.siteView()->path();
    facts.siteEntry = control.siteView()->placeLabel();
    facts.hasPlan = true;
    facts.plan = plan.editor()->plan();
    facts.own = control.ownTransponders();
    if (log)
        facts.log = log->lines();
    facts.secrets << control.serverSettings().value(QStringLiteral("password")).toString();
    return facts;
}
