#include "UBModelController.h"

#include "UBDataModel.h"

#include <utility>

namespace {
// The model holds the default plan before anything else is made.
PlanEditor *withDefaultPlan(PlanEditor *editor)
{
    editor->resetToDefault();
    return editor;
}
} // namespace

UBModelController::UBModelController(UBDataModel *model) : UBModelController(model, Environment()) {}

UBModelController::UBModelController(UBDataModel *model, const Environment &environment,
                                     DiagnosticLines output)
    : editor(withDefaultPlan(model->editor())), data(new SatelliteDataView(*editor, environment, this)),
      switchView(new SwitchView(*editor, *data, environment, output, this)),
      files(new PlanFiles(*editor, *data, std::move(output), this)),
      sites(new SiteView(
          *editor, *switchView, [clock = environment.clock] { return clock().date(); }, this))
{
    connect(editor, &PlanEditor::errorOccured, this, &UBModelController::errorOccured);
    connect(editor, &PlanEditor::staticUBsChanged, this, &UBModelController::staticUBsChanged);
    relayDataSignals();
    relaySwitchSignals();
    connect(files, &PlanFiles::errorOccured, this, &UBModelController::errorOccured);
    connect(sites, &SiteView::errorOccured, this, &UBModelController::errorOccured);
}

UBModelController::~UBModelController()
{
    // The site listens to the switch; the transfers use the device link
    // and the data: the switch goes first of those.
    delete std::exchange(sites, nullptr);
    delete std::exchange(switchView, nullptr);
}

void UBModelController::relayDataSignals()
{
    connect(data, &SatelliteDataView::errorOccured, this, &UBModelController::errorOccured);
    connect(data, &SatelliteDataView::warningOccured, this, &UBModelController::warningOccured);
    connect(data, &SatelliteDataView::noInternetConnection, this, &UBModelController::noInternetConnection);
    connect(data, &SatelliteDataView::satelliteDataReady, this, &UBModelController::satelliteDataReady);
    connect(data, &SatelliteDataView::fetchingSatellitesChanged, this,
            &UBModelController::fetchingSatellitesChanged);
    connect(data, &SatelliteDataView::satelliteDataSummaryChanged, this,
            &UBModelController::satelliteDataSummaryChanged);
    connect(data, &SatelliteDataView::satelliteDataNoticeChanged, this,
            &UBModelController::satelliteDataNoticeChanged);
    connect(data, &SatelliteDataView::satelliteListChanged, this, &UBModelController::satelliteListChanged);
    connect(data, &SatelliteDataView::satelliteDataChanged, this, &UBModelController::satelliteDataChanged);
    connect(data, &SatelliteDataView::transponderListsChanged, this,
            &UBModelController::transponderListsChanged);
}

void UBModelController::relaySwitchSignals()
{
    // Data come in place at start and when the switch is free again.
    connect(data, &SatelliteDataView::deviceSearchWanted, switchView, &SwitchView::startDeviceSearch);
    connect(switchView, &SwitchView::busyChanged, data, &SatelliteDataView::setHeld);
    connect(switchView, &SwitchView::errorOccured, this, &UBModelController::errorOccured);
    connect(switchView, &SwitchView::warningOccured, this, &UBModelController::warningOccured);
    connect(switchView, &SwitchView::informationOccured, this, &UBModelController::informationOccured);
    connect(switchView, &SwitchView::deviceFound, this, &UBModelController::deviceFound);
    connect(switchView, &SwitchView::deviceMissing, this, &UBModelController::deviceMissing);
    connect(switchView, &SwitchView::comparisonReady, this, &UBModelController::comparisonReady);
}

QString UBModelController::addOwnTransponder(int row, const QString &frequency, const QString &polarisation)
{
    return data->addOwnTransponder(row, frequency, polarisation);
}
