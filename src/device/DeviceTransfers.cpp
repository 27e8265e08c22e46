#include "DeviceTransfers.h"

#include "device/SerialPortHandler.h"

#include <QDir>

#include <stdexcept>
#include <utility>

namespace {
constexpr int readAttempts = 3;
} // namespace

DeviceTransfers::DeviceTransfers(SerialPortHandler &device, PlanBackup backup)
    : device(device), backup(std::move(backup))
{
}

DeviceReplies DeviceTransfers::readReplies()
{
    for (int failedAttempts = 0;;) {
        try {
            // The answer to a query that timed out may still come in; it
            // must not be taken for the answer to the next one.
            if (failedAttempts > 0)
                device.discardStaleInput();
            return device.readReplies();
        } catch (const std::exception &) {
            // Only a timed-out exchange is worth another attempt.
            if (device.timeoutOccurred() && ++failedAttempts < readAttempts)
                continue;
            throw;
        }
    }
}

BandPlan DeviceTransfers::decode(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2) const
{
    BandPlan plan;
    plan.lteFilter = DeviceReplies::isOn(replies.lteFilter);
    plan.standBy = DeviceReplies::isOn(replies.standBy);
    plan.terrestrialPatchActive = DeviceReplies::isOn(replies.terrestrialPath);
    plan.lnb1 = lnb1;
    plan.lnb2 = lnb2;
    plan.list = device.decodeConfiguration(replies.configuration, plan.lnb1, plan.lnb2);
    // The lines come from two bits of each word: numbering cannot fail.
    plan.numberDynamicUBs(false);
    return plan;
}

BandPlan DeviceTransfers::readPlan(const QString &lnb1, const QString &lnb2)
{
    return decode(readReplies(), lnb1, lnb2);
}

DeviceTransfers::Outcome DeviceTransfers::backUp(const QString &lnb1, const QString &lnb2,
                                                 const QString &failure)
{
    Outcome outcome;
    try {
        const DeviceReplies replies = readReplies();
        BandPlan plan;
        QString undecodable;
        try {
            plan = decode(replies, lnb1, lnb2);
        } catch (const UndecodableWord &e) {
            // The switch's plan is sound; the satellite data lack what it
            // names. Its words are kept, and the send goes on.
            undecodable = QString::fromUtf8(e.what());
        }
        outcome.backup =
            backup.write(device.serialNumber(), replies, undecodable.isEmpty() ? &plan : nullptr);
        if (!undecodable.isEmpty()) {
            outcome.notice =
                tr("Only the switch's replies were backed up, in %1, because its plan cannot be read "
                   "with the satellite data: %2")
                    .arg(QDir::toNativeSeparators(outcome.backup), undecodable);
        }
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

DeviceTransfers::Outcome DeviceTransfers::send(const BandPlan &plan)
{
    return sendAfterBackup(plan, tr("The switch's plan could not be backed up, so nothing was sent: %1"));
}

DeviceTransfers::Outcome DeviceTransfers::sendAfterBackup(const BandPlan &plan, const QString &failure)
{
    const Outcome outcome = backUp(plan.lnb1, plan.lnb2, failure);
    device.writeLteFilter(plan.lteFilter);
    device.writeStandBy(plan.standBy);
    device.writeTerrestrialPatchActive(plan.terrestrialPatchActive);
    device.writeConfiguration(plan.list, plan.lnb1, plan.lnb2);
    return outcome;
}

DeviceTransfers::Outcome DeviceTransfers::store(const BandPlan &plan)
{
    const Outcome outcome = sendAfterBackup(plan, notStoredMessage());
    device.storeInEeprom();
    return outcome;
}

DeviceTransfers::Outcome DeviceTransfers::restore(const DeviceReplies &replies, const QString &lnb1,
                                                  const QString &lnb2)
{
    const Outcome outcome = backUp(lnb1, lnb2, notStoredMessage());
    device.writeLteFilter(DeviceReplies::isOn(replies.lteFilter));
    device.writeStandBy(DeviceReplies::isOn(replies.standBy));
    device.writeTerrestrialPatchActive(DeviceReplies::isOn(replies.terrestrialPath));
    device.writeWords(replies.words());
    device.storeInEeprom();
    return outcome;
}

QString DeviceTransfers::storedMessage(const Outcome &outcome)
{
    return tr("The plan is stored in the switch. The plan the switch had stored before is kept in the backup "
              "%1.")
        .arg(QDir::toNativeSeparators(outcome.storedPlanBackup));
}
