#include "DeviceTransfers.h"

#include "device/PlanWords.h"
#include "device/SerialPortHandler.h"
#include "device/TransferCancelled.h"

#include <QDir>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <stdexcept>
#include <utility>

namespace {
constexpr int readAttempts = 3;
} // namespace

DeviceTransfers::DeviceTransfers(SerialPortHandler &device, PlanBackup backup, RandomSource random,
                                 ProgressReport progress)
    : device(device), backup(std::move(backup)), random(std::move(random)), progress(std::move(progress))
{
    if (!this->random)
        this->random = [] { return QRandomGenerator::global()->generate(); };
}

void DeviceTransfers::report(const QString &text)
{
    lastProgress = text;
    if (progress)
        progress(text);
}

void DeviceTransfers::begin()
{
    cancelRequested = false;
    setReading(true);
}

void DeviceTransfers::end()
{
    cancelRequested = false;
    reading = false;
    // One report tells of both: the progress is gone and nothing can be
    // cancelled.
    report(QString());
}

void DeviceTransfers::setReading(bool on)
{
    if (reading == on)
        return;
    reading = on;
    report(lastProgress);
}

void DeviceTransfers::stopIfCancelled() const
{
    if (reading && cancelRequested)
        throw TransferCancelled();
}

void DeviceTransfers::stopReading()
{
    // The last chance to stop: the backup is written, nothing is set yet.
    stopIfCancelled();
    setReading(false);
}

DeviceReplies DeviceTransfers::readReplies()
{
    // Checked before each query goes out.
    const auto asking = [this](int query) {
        stopIfCancelled();
        report(tr("Reading the switch's plan… %1 of %2").arg(query).arg(4));
    };
    for (int failedAttempts = 0;;) {
        stopIfCancelled();
        try {
            // The answer to a query that timed out may still come in; it
            // must not be taken for the answer to the next one.
            if (failedAttempts > 0)
                device.discardStaleInput();
            return device.readReplies(asking);
        } catch (const TransferCancelled &) {
            throw;
        } catch (const std::exception &) {
            // Only a timed-out exchange is worth another attempt.
            if (device.timeoutOccurred() && ++failedAttempts < readAttempts)
                continue;
            throw;
        }
    }
}

SharedCatalogue DeviceTransfers::orEmpty(const SharedCatalogue &data)
{
    return data ? data : std::make_shared<const SatelliteCatalogue>();
}

BandPlan DeviceTransfers::decode(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                                 const SatelliteCatalogue &data)
{
    BandPlan plan;
    plan.lteFilter = DeviceReplies::isOn(replies.lteFilter);
    plan.standBy = DeviceReplies::isOn(replies.standBy);
    plan.terrestrialPatchActive = DeviceReplies::isOn(replies.terrestrialPath);
    plan.lnb1 = lnb1;
    plan.lnb2 = lnb2;
    plan.list = CodeWord::decodeConfiguration(replies.configuration, plan.lnb1, plan.lnb2, data);
    // The lines come from two bits of each word: numbering cannot fail.
    plan.numberDynamicUBs(false);
    return plan;
}

BandPlan DeviceTransfers::readPlan(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data)
{
    begin();
    // However the transfer ends, its progress and a cancel request go.
    const auto ended = qScopeGuard([this] { end(); });
    const SharedCatalogue snapshot = orEmpty(data);
    const DeviceReplies replies = readReplies();
    // A cancel during the last answer is honoured too: the caller was told
    // that nothing changes.
    stopIfCancelled();
    return decode(replies, lnb1, lnb2, *snapshot);
}

DeviceTransfers::Outcome DeviceTransfers::backUp(const QString &lnb1, const QString &lnb2,
                                                 const QString &failure, const SatelliteCatalogue &data)
{
    Outcome outcome;
    try {
        const DeviceReplies replies = readReplies();
        // Fewer or more than a plan's words: the read failed, not the plan.
        if (replies.words().size() != BandPlan::size)
            throw std::runtime_error(CodeWord::readErrorMessage());
        BandPlan plan;
        QString undecodable;
        bool dataMismatch = false;
        try {
            plan = decode(replies, lnb1, lnb2, data);
        } catch (const UndecodableWord &e) {
            // The switch's plan is sound; the satellite data lack what it
            // names. Its words are kept, and the send goes on.
            undecodable = QString::fromUtf8(e.what());
            dataMismatch = true;
        } catch (const std::exception &e) {
            // Whatever the switch holds, it can be replaced: a switch that
            // could not be backed up could never be repaired.
            undecodable = QString::fromUtf8(e.what());
        }
        outcome.backup =
            backup.write(device.serialNumber(), replies, undecodable.isEmpty() ? &plan : nullptr);
        if (dataMismatch) {
            outcome.notice =
                tr("Only the switch's replies were backed up, in %1, because its plan cannot be read "
                   "with the satellite data: %2")
                    .arg(QDir::toNativeSeparators(outcome.backup), undecodable);
        } else if (!undecodable.isEmpty()) {
            outcome.notice = tr("Only the switch's replies were backed up, in %1, because its plan cannot be "
                                "read: %2")
                                 .arg(QDir::toNativeSeparators(outcome.backup), undecodable);
        }
    } catch (const TransferCancelled &) {
        throw;
    } catch (const std::exception &e) {
        // A switch that is gone needs no more words than that.
        if (!device.isConnected())
            throw;
        throw std::runtime_error(failure.arg(QString::fromUtf8(e.what())).toStdString());
    }
    // Nothing sent yet since it was plugged in: it works with its stored plan.
    if (device.connectionNumber() != knownConnection) {
        knownConnection = device.connectionNumber();
        storedPlanBackup = outcome.backup;
    }
    outcome.storedPlanBackup = storedPlanBackup;
    return outcome;
}

QString DeviceTransfers::notStoredMessage()
{
    return tr("The switch's plan could not be backed up, so nothing was stored: %1");
}

DeviceTransfers::Outcome DeviceTransfers::send(const BandPlan &plan, const SharedCatalogue &data)
{
    begin();
    // However the transfer ends, its progress and a cancel request go.
    const auto ended = qScopeGuard([this] { end(); });
    return sendAfterBackup(plan, tr("The switch's plan could not be backed up, so nothing was sent: %1"), data);
}

QVector<CodeWord> DeviceTransfers::wordsOf(const BandPlan &plan, const SatelliteCatalogue &data) const
{
    const PlanWords words = PlanWords::encode(plan.list, plan.lnb1, plan.lnb2, data, random);
    if (!words.sendable())
        throw std::runtime_error(words.message().toStdString());
    return words.words();
}

void DeviceTransfers::sendOptionsAndWords(bool lteFilter, bool standBy, bool terrestrialPath,
                                          const QVector<CodeWord> &words)
{
    const auto sending = [this](int command) { report(tr("Sending… %1 of %2").arg(command).arg(4)); };
    sending(1);
    device.writeLteFilter(lteFilter);
    sending(2);
    device.writeStandBy(standBy);
    sending(3);
    device.writeTerrestrialPatchActive(terrestrialPath);
    sending(4);
    device.writeWords(words);
}

DeviceTransfers::Outcome DeviceTransfers::sendAfterBackup(const BandPlan &plan, const QString &failure,
                                                          const SharedCatalogue &data)
{
    const SharedCatalogue snapshot = orEmpty(data);
    // Every word first: a refused UB must not leave the switch with new
    // options and its old UBs.
    const QVector<CodeWord> words = wordsOf(plan, *snapshot);
    const Outcome outcome = backUp(plan.lnb1, plan.lnb2, failure, *snapshot);
    stopReading();
    sendOptionsAndWords(plan.lteFilter, plan.standBy, plan.terrestrialPatchActive, words);
    return outcome;
}

DeviceTransfers::Outcome DeviceTransfers::store(const BandPlan &plan, const SharedCatalogue &data)
{
    begin();
    // However the transfer ends, its progress and a cancel request go.
    const auto ended = qScopeGuard([this] { end(); });
    const Outcome outcome = sendAfterBackup(plan, notStoredMessage(), data);
    report(tr("Storing…"));
    device.storeInEeprom();
    return outcome;
}

DeviceTransfers::Outcome DeviceTransfers::restore(const DeviceReplies &replies, const QString &lnb1,
                                                  const QString &lnb2, const SharedCatalogue &data)
{
    begin();
    // However the transfer ends, its progress and a cancel request go.
    const auto ended = qScopeGuard([this] { end(); });
    const SharedCatalogue snapshot = orEmpty(data);
    // Only the structure is checked: the backup may come from a switch
    // programmed with other satellite data, and goes back word for word.
    const PlanWords words = PlanWords::verbatim(replies.words());
    if (!words.sendable())
        throw std::runtime_error(words.message().toStdString());
    const Outcome outcome = backUp(lnb1, lnb2, notStoredMessage(), *snapshot);
    stopReading();
    sendOptionsAndWords(DeviceReplies::isOn(replies.lteFilter), DeviceReplies::isOn(replies.standBy),
                        DeviceReplies::isOn(replies.terrestrialPath), words.words());
    report(tr("Storing…"));
    device.storeInEeprom();
    return outcome;
}

QString DeviceTransfers::storedMessage(const Outcome &outcome)
{
    return tr("The plan is stored in the switch. The plan the switch had stored before is kept in the backup "
              "%1.")
        .arg(QDir::toNativeSeparators(outcome.storedPlanBackup));
}
