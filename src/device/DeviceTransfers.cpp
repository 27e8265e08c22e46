#include "DeviceTransfers.h"

#include "device/ComparePlanOperation.h"
#include "device/PlanWords.h"
#include "device/ReadPlanOperation.h"
#include "device/SerialPortHandler.h"

#include <QDir>
#include <QRandomGenerator>

#include <stdexcept>
#include <utility>

DeviceTransfers::DeviceTransfers(SerialPortHandler &device, PlanBackup backup, RandomSource random,
                                 QObject *parent)
    : QObject(parent), device(device), backup(std::move(backup)), random(std::move(random)),
      runner(device.operations())
{
    if (!this->random)
        this->random = [] { return QRandomGenerator::global()->generate(); };
    connect(&runner, &OperationRunner::progressChanged, this, [this] {
        if (running())
            emit progressChanged();
    });
    connect(&runner, &OperationRunner::finished, this, &DeviceTransfers::ended);
}

DeviceTransfers::~DeviceTransfers()
{
    // What was asked of this object and has not begun goes with it; what runs
    // ends unheard.
    const std::set<const DeviceOperation *> left = std::exchange(own, {});
    for (const DeviceOperation *operation : left)
        runner.withdraw(operation);
}

void DeviceTransfers::run(std::unique_ptr<DeviceOperation> operation)
{
    const bool wasBusy = busy();
    // Known as this object's before the runner may start and end it. The
    // runner owns it from here until `finished`, where ended() forgets it,
    // or withdraw(): the pointer never outlives the operation.
    // cppcheck-suppress danglingLifetime
    own.insert(operation.get());
    if (!wasBusy)
        emit busyChanged();
    runner.run(std::move(operation));
}

DeviceOperation *DeviceTransfers::running() const
{
    DeviceOperation *const operation = runner.running();
    return operation && own.count(operation) > 0 ? operation : nullptr;
}

bool DeviceTransfers::cancellable() const
{
    return running() && running()->cancellable();
}

void DeviceTransfers::cancel()
{
    if (DeviceOperation *const operation = running())
        operation->cancel();
}

QString DeviceTransfers::progress() const
{
    return running() ? running()->progress() : QString();
}

void DeviceTransfers::readPlan(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data)
{
    run(std::make_unique<ReadPlanOperation>(lnb1, lnb2, data));
}

QString DeviceTransfers::notStoredMessage()
{
    return tr("The switch's plan could not be backed up, so nothing was stored: %1");
}

QVector<CodeWord> DeviceTransfers::wordsOf(const BandPlan &plan, const SharedCatalogue &data) const
{
    // No data: only dynamic UBs can be encoded.
    const SatelliteCatalogue none;
    const PlanWords words = PlanWords::encode(plan.list, plan.lnb1, plan.lnb2, data ? *data : none, random);
    if (!words.sendable())
        throw std::runtime_error(words.message().toStdString());
    return words.words();
}

void DeviceTransfers::sendWords(SendPlanOperation::Plan words, bool store, const SharedCatalogue &data,
                                const QString &failure)
{
    run(std::make_unique<SendPlanOperation>(std::move(words), store, data, backup, device.serialNumber(),
                                            failure));
}

void DeviceTransfers::send(const BandPlan &plan, const SharedCatalogue &data)
{
    // Every word first: a refused UB must not leave the switch with new
    // options and its old UBs.
    SendPlanOperation::Plan words{plan.lteFilter,      plan.standBy, plan.terrestrialPatchActive,
                                  wordsOf(plan, data), plan.lnb1,    plan.lnb2};
    sendWords(std::move(words), false, data,
              tr("The switch's plan could not be backed up, so nothing was sent: %1"));
}

void DeviceTransfers::store(const BandPlan &plan, const SharedCatalogue &data)
{
    SendPlanOperation::Plan words{plan.lteFilter,      plan.standBy, plan.terrestrialPatchActive,
                                  wordsOf(plan, data), plan.lnb1,    plan.lnb2};
    sendWords(std::move(words), true, data, notStoredMessage());
}

void DeviceTransfers::restore(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                              const SharedCatalogue &data)
{
    // Only the structure is checked: the backup may come from a switch
    // programmed with other satellite data, and goes back word for word.
    const PlanWords words = PlanWords::verbatim(replies.words());
    if (!words.sendable())
        throw std::runtime_error(words.message().toStdString());
    SendPlanOperation::Plan plan{DeviceReplies::isOn(replies.lteFilter),
                                 DeviceReplies::isOn(replies.standBy),
                                 DeviceReplies::isOn(replies.terrestrialPath),
                                 words.words(),
                                 lnb1,
                                 lnb2};
    sendWords(std::move(plan), true, data, notStoredMessage());
}

void DeviceTransfers::compareWithSent(const SentPlan &sent, const SharedCatalogue &data)
{
    run(std::make_unique<ComparePlanOperation>(sent, data));
}

void DeviceTransfers::ended(DeviceOperation *operation)
{
    // Ours only; while its listeners hear of it, it no longer counts as busy.
    if (own.erase(operation) == 0)
        return;
    Result result;
    result.kind = operation->kind();
    result.message = operation->message();
    if (const auto *read = qobject_cast<ReadPlanOperation *>(operation)) {
        result.plan = read->plan();
        result.readNote = CodeWord::earlierBandNote(read->earlierBandWords());
    }
    if (const auto *sent = qobject_cast<SendPlanOperation *>(operation))
        sendEnded(*sent, result);
    if (const auto *compared = qobject_cast<ComparePlanOperation *>(operation))
        result.differences = compared->differences();
    emit finished(result);
    if (!busy())
        emit busyChanged();
}

void DeviceTransfers::sendEnded(const SendPlanOperation &sent, Result &result)
{
    Outcome &outcome = result.outcome;
    outcome.backup = sent.backupPath();
    outcome.notice = sent.notice();
    outcome.sent = sent.sent();
    outcome.readBack = sent.readBack();
    outcome.readBackNotes = sent.readBackNotes();
    // Nothing sent yet since it was plugged in: it works with its stored plan.
    if (!outcome.backup.isEmpty() && device.connectionNumber() != knownConnection) {
        knownConnection = device.connectionNumber();
        storedPlanBackup = outcome.backup;
    }
    outcome.storedPlanBackup = storedPlanBackup;
    // The plan went out: the user needs the way back.
    if (outcome.readBack == ReadBackState::Differs || outcome.readBack == ReadBackState::Unanswered) {
        result.message +=
            QLatin1Char('\n') + (sent.stores() ? storedBackupMessage(outcome) : heldBackupMessage(outcome));
    }
}

QString DeviceTransfers::storedMessage(const Outcome &outcome)
{
    return PlanReadBack::storedAndMatchesMessage() + QLatin1Char('\n') + storedBackupMessage(outcome);
}

QString DeviceTransfers::heldBackupMessage(const Outcome &outcome)
{
    return tr("The plan the switch held before the send is kept in the backup %1.")
        .arg(QDir::toNativeSeparators(outcome.backup));
}

QString DeviceTransfers::storedBackupMessage(const Outcome &outcome)
{
    return tr("The plan the switch had stored before is kept in the backup %1.")
        .arg(QDir::toNativeSeparators(outcome.storedPlanBackup));
}
