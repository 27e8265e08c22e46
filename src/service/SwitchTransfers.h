#pragma once

#include "PlanVerdict.h"
#include "TransferEnd.h"
#include "device/DeviceTransfers.h"

#include <QObject>

#include <deque>
#include <functional>

class SerialPortHandler;

// The transfers between a plan and the connected switch as the window and
// the tool ask for them: each starts at once and ended() brings what its end
// says. A plan that cannot be sent is refused before anything starts: the
// call throws, as DeviceTransfers does, and nothing ends.
class SwitchTransfers : public QObject
{
    Q_OBJECT

public:
    SwitchTransfers(SerialPortHandler &device, PlanBackup backup,
                    DeviceTransfers::RandomSource random = DeviceTransfers::RandomSource(),
                    QObject *parent = nullptr);
    ~SwitchTransfers() override;

    // A plan as PlanPreparation made it ready with `data`, sent (a test) or
    // stored.
    void sendPrepared(const PlanVerdict &prepared, bool store, const SharedCatalogue &data);
    void send(const BandPlan &plan, const SharedCatalogue &data);
    void store(const BandPlan &plan, const SharedCatalogue &data);
    void restore(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                 const SharedCatalogue &data);
    // The switch's plan; LNBs without static UBs get the names given.
    void read(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data);
    // The switch's plan read with the names of `plan` and held against it.
    void compare(const BandPlan &plan, const SharedCatalogue &data);
    void compareWithSent(const SentPlan &sent, const SharedCatalogue &data);

    // Where the switch hangs, told by the backups of the sends asked from
    // now on; empty: nowhere known.
    void setBackupPlace(const BackupPlace &place) { transfers.setBackupPlace(place); }

    bool busy() const { return transfers.busy(); }
    bool cancellable() const { return transfers.cancellable(); }
    void cancel() { transfers.cancel(); }
    QString progress() const { return transfers.progress(); }

signals:
    void busyChanged();
    void progressChanged();
    void ended(const TransferEnd &end);

private:
    struct Asked
    {
        TransferEnd::Asked what;
        SharedCatalogue data;
        BandPlan compared;
    };
    // Runs `start`, remembering what was asked until its end comes.
    void begin(Asked asked, const std::function<void()> &start);
    void finished(const DeviceTransfers::Result &result);

    DeviceTransfers transfers;
    // The transfers queued or running, oldest first, as they will end.
    std::deque<Asked> asked;
};
