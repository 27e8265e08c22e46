#include "SwitchView.h"

#include "SatelliteDataView.h"
#include "device/CodeWord.h"
#include "io/LogCategories.h"
#include "io/PrintableText.h"
#include "model/NoSatelliteData.h"
#include "model/PlanCheck.h"
#include "model/SwitchSatellites.h"
#include "service/PlanPreparation.h"

#include <exception>
#include <utility>

static_assert(SwitchSatellites::maxSatId == CodeWord::maxSatId, "one limit for satellite ids");

SwitchView::SwitchView(PlanEditor &editor, SatelliteDataView &data, const Environment &environment,
                       DiagnosticLines output, QObject *parent)
    : QObject(parent), editor(editor), data(data), status(new DeviceStatus(this)),
      serialPortHandler(std::make_unique<SerialPortHandler>(environment.portLister, environment.portOpener,
                                                            environment.deviceRulePath,
                                                            environment.searchIntervalMs)),
      transfers(std::make_unique<SwitchTransfers>(*serialPortHandler,
                                                  PlanBackup(environment.backupDirectory, environment.clock),
                                                  environment.random)),
      output(std::move(output))
{
    connect(serialPortHandler.get(), &SerialPortHandler::portProblemChanged, status,
            [this] { status->setPortProblem(serialPortHandler->portProblem()); });
    status->setPortProblem(serialPortHandler->portProblem());
    connect(transfers.get(), &SwitchTransfers::busyChanged, this, &SwitchView::transferBusyChanged);
    connect(transfers.get(), &SwitchTransfers::progressChanged, status,
            [this] { status->setTransferProgress(transfers->progress(), transfers->cancellable()); });
    connect(transfers.get(), &SwitchTransfers::ended, this, &SwitchView::transferEnded);
    connect(status, &DeviceStatus::cancelAsked, this, &SwitchView::cancelTransfer);
    // The serial number shown must change before the interface hears of
    // the device, so the status's slots are connected first.
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, status, &DeviceStatus::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, status, &DeviceStatus::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, this,
            [this](const QString &identification) {
                this->output.write(QStringLiteral("found ") + PrintableText::escaped(identification));
            });
    connect(serialPortHandler.get(), &SerialPortHandler::deviceFound, this, &SwitchView::deviceFound);
    connect(serialPortHandler.get(), &SerialPortHandler::deviceMissing, this, &SwitchView::deviceMissing);
    connect(serialPortHandler.get(), &SerialPortHandler::errorOccured, this, &SwitchView::errorOccured);
}

SwitchView::~SwitchView()
{
    // The transfers use the device link: they go first.
    transfers.reset();
    serialPortHandler.reset();
}

void SwitchView::startDeviceSearch()
{
    serialPortHandler->startDeviceSearch();
}

bool SwitchView::validateData(const PlanVerdict &verdict)
{
    const PlanCheck &check = verdict.check;
    switch (check.failure()) {
    case PlanCheck::Failure::Lnb1Missing:
    case PlanCheck::Failure::Lnb2Missing:
        emit errorOccured(PlanCheck::failureMessage(check.failure()));
        return false;
    case PlanCheck::Failure::StaticUnassigned:
        // The UBs it concerns on a second line.
        emit errorOccured(PlanCheck::failureMessage(check.failure()) + QLatin1Char('\n') +
                          check.unassignedText());
        return false;
    case PlanCheck::Failure::DynamicLineInvalid:
        emit errorOccured(check.messages().join(QLatin1Char('\n')));
        return false;
    case PlanCheck::Failure::None:
        break;
    }
    // A warning, not a refusal: it comes whatever follows.
    if (check.localUBTooHigh())
        emit warningOccured(PlanCheck::localUBWarning());
    if (verdict.noData) {
        data.reportNoSatelliteData();
        return false;
    }
    if (!verdict.words.sendable()) {
        emit errorOccured(verdict.words.message());
        return false;
    }
    return true;
}

void SwitchView::cancelTransfer()
{
    // The log shows whether the transfer could still be stopped.
    qCInfo(transferLog) << "cancel asked; the transfer"
                        << (status->cancellable() ? "stops" : "runs to its end");
    transfers->cancel();
}

void SwitchView::transferBusyChanged()
{
    status->setBusy(transfers->busy());
    emit busyChanged(status->busy());
}

void SwitchView::runTransfer(const std::function<void()> &start, AfterTransfer then)
{
    // What is sent is what the window shows: no second transfer meanwhile.
    if (busy())
        return;
    try {
        afterTransfer = std::move(then);
        start();
    } catch (const NoSatelliteData &) {
        afterTransfer = {};
        data.reportNoSatelliteData();
    } catch (const std::exception &e) {
        afterTransfer = {};
        emit errorOccured(QString::fromUtf8(e.what()));
    } catch (...) {
        afterTransfer = {};
        emit errorOccured(tr("Unknown error"));
    }
}

void SwitchView::transferEnded(const TransferEnd &end)
{
    const AfterTransfer then = std::exchange(afterTransfer, {});
    switch (end.result.kind) {
    case DeviceOperation::Kind::Done:
        if (then)
            then(end);
        break;
    case DeviceOperation::Kind::Cancelled:
        emit informationOccured(end.result.message);
        break;
    default:
        emit errorOccured(end.result.message);
        break;
    }
}

void SwitchView::reportSent(const TransferEnd &end)
{
    if (!end.backupNotice().isEmpty())
        emit warningOccured(end.backupNotice());
    emit informationOccured(end.sentMessage());
}

void SwitchView::sendPlan(bool store)
{
    if (busy())
        return;
    // The plan met the data when they came; it is judged as it will be sent.
    const SharedCatalogue catalogue = data.catalogue();
    const PlanVerdict verdict = PlanPreparation(catalogue).judge(editor.plan());
    if (!validateData(verdict))
        return;
    // What the switch holds afterwards is what was on screen now.
    const BandPlan sent = editor.plan();
    runTransfer([this, &verdict, &catalogue, store] { transfers->sendPrepared(verdict, store, catalogue); },
                [this, store, sent](const TransferEnd &end) {
                    reportSent(end);
                    const std::optional<QString> serial = status->connectedSwitch();
                    if (store && serial && end.result.outcome.readBack == ReadBackState::Matches)
                        emit storedAndReadBack(sent, *serial);
                });
}

void SwitchView::readFromDevice()
{
    runTransfer(
        [this] {
            const BandPlan plan = editor.plan();
            transfers->read(plan.lnb1, plan.lnb2, data.catalogue());
        },
        [this](const TransferEnd &end) {
            // Whole or nothing: a failed read leaves the window's plan as it was.
            editor.replace(end.result.plan);
            if (!end.notes.isEmpty())
                emit informationOccured(end.notes.join(QLatin1Char('\n')));
        });
}

void SwitchView::compareWithDevice()
{
    runTransfer([this] { transfers->compare(editor.plan(), data.catalogue()); },
                [this](const TransferEnd &end) { emit comparisonReady(end.comparison + end.notes); });
}
