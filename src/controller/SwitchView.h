#pragma once

#include "DeviceStatus.h"
#include "PlanEditor.h"
#include "device/SerialPortHandler.h"
#include "io/DiagnosticLines.h"
#include "service/Environment.h"
#include "service/PlanVerdict.h"
#include "service/SwitchTransfers.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class SatelliteDataView;

// The switch as the window needs it: the search for it, the checks before a
// send, sending, storing, reading and comparing the editor's plan, one
// transfer at a time, and its end or cancel. The plan is judged against the
// data view's satellite data.
class SwitchView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(DeviceStatus *deviceStatus READ deviceStatus CONSTANT)

public:
    // `output` takes the line "found …" that scripts read.
    SwitchView(PlanEditor &editor, SatelliteDataView &data, const Environment &environment,
               DiagnosticLines output = DiagnosticLines(), QObject *parent = nullptr);
    ~SwitchView() override;

    DeviceStatus *deviceStatus() const { return status; }
    bool busy() const { return status->busy(); }
    void startDeviceSearch();

    // Whether the plan so judged may be sent; when not, the reasons are said.
    bool validateData(const PlanVerdict &verdict);

public slots:
    // "Test on device" (store false) and "Save on device" (store true).
    void sendPlan(bool store);
    void readFromDevice();
    // Reads the switch and tells comparisonReady().
    void compareWithDevice();

signals:
    void errorOccured(const QString &error);
    void warningOccured(const QString &warning);
    void informationOccured(const QString &text);
    void deviceFound();
    void deviceMissing();
    void comparisonReady(const QStringList &lines);
    void busyChanged(bool busy);
    // A "Save on device" ended, and reading the switch back found `plan`
    // in it; `serial` is the switch's (empty when it reports none).
    void storedAndReadBack(const BandPlan &plan, const QString &serial);

private:
    using AfterTransfer = std::function<void(const TransferEnd &)>;
    // Starts a transfer unless one runs; `then` hears its end when it ended
    // Done. A refusal before the start is reported at once.
    void runTransfer(const std::function<void()> &start, AfterTransfer then);
    void transferEnded(const TransferEnd &end);
    void transferBusyChanged();
    void cancelTransfer();
    // A backup that kept only the switch's replies is worth a warning; then
    // that the send matches, and what the read-back noticed.
    void reportSent(const TransferEnd &end);

    PlanEditor &editor;
    SatelliteDataView &data;
    DeviceStatus *status; // owned as a child
    std::unique_ptr<SerialPortHandler> serialPortHandler;
    std::unique_ptr<SwitchTransfers> transfers;
    AfterTransfer afterTransfer;
    DiagnosticLines output;
};
