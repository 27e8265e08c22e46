#include "DeviceTransfers.h"

#include "device/SerialPortHandler.h"

#include <stdexcept>
#include <utility>

namespace {
constexpr int readAttempts = 3;
} // namespace

DeviceTransfers::DeviceTransfers(SerialPortHandler &device, PlanBackup backup)
    : device(device), backup(std::move(backup))
{
}

BandPlan DeviceTransfers::readPlan(const QString &lnb1, const QString &lnb2)
{
    for (int failedAttempts = 0;;) {
        try {
            // The answer to a query that timed out may still come in; it
            // must not be taken for the answer to the next one.
            if (failedAttempts > 0)
                device.discardStaleInput();
            BandPlan plan;
            plan.lteFilter = device.readLteFilter();
            plan.standBy = device.readStandBy();
            plan.terrestrialPatchActive = device.readTerrestrialPatchActive();
            plan.lnb1 = lnb1;
            plan.lnb2 = lnb2;
            plan.list = device.readConfiguration(plan.lnb1, plan.lnb2);
            // The lines come from two bits of each word: numbering cannot fail.
            plan.numberDynamicUBs(false);
            return plan;
        } catch (const std::exception &) {
            // Only a timed-out exchange is worth another attempt.
            if (device.timeoutOccurred() && ++failedAttempts < readAttempts)
                continue;
            throw;
        }
    }
}

void DeviceTransfers::send(const BandPlan &plan)
{
    device.writeLteFilter(plan.lteFilter);
    device.writeStandBy(plan.standBy);
    device.writeTerrestrialPatchActive(plan.terrestrialPatchActive);
    device.writeConfiguration(plan.list, plan.lnb1, plan.lnb2);
}

QString DeviceTransfers::store(const BandPlan &plan)
{
    QString path;
    try {
        path = backup.write(device.serialNumber(), readPlan(plan.lnb1, plan.lnb2));
    } catch (const std::exception &e) {
        // A switch that is gone needs no more words than that.
        if (!device.isConnected())
            throw;
        throw std::runtime_error(tr("The switch's plan could not be backed up, so nothing was stored: %1")
                                     .arg(QString::fromUtf8(e.what()))
                                     .toStdString());
    }
    send(plan);
    device.storeInEeprom();
    return path;
}
