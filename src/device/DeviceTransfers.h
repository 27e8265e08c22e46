#pragma once

#include "PlanBackup.h"
#include "device/DeviceReplies.h"
#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <functional>

class SerialPortHandler;

// The transfers between a plan and the connected switch, shared by the
// window's buttons and the command-line tool. Every failure throws
// std::runtime_error with a translated message. A transfer first puts
// together every word it will send (PlanWords): when one UB cannot be sent,
// the switch hears nothing at all. Then the switch's plan is backed up (the
// plan it had stored is only readable before the first send since it was
// plugged in), and only then are the options and the words set.
// While a transfer only reads, it can be cancelled (see cancel()).
class DeviceTransfers
{
    Q_DECLARE_TR_FUNCTIONS(DeviceTransfers)

public:
    // What a send did besides sending.
    struct Outcome
    {
        // The backup that holds the switch's plan from just before the send.
        QString backup;
        // The backup that holds the plan the switch had stored before the
        // first send to it since it was plugged in, as far as this program
        // knows (it cannot know of sends by other programs or earlier runs).
        QString storedPlanBackup;
        // Why only the switch's replies were kept; empty when the plan was.
        QString notice;
    };

    using RandomSource = std::function<quint32()>;
    // Hears what a transfer is doing, in the user's language, as it goes
    // ("Sending… 3 of 4"); an empty text when it has ended. It is also
    // called whenever cancellable() changes.
    using ProgressReport = std::function<void(const QString &)>;

    // `random` is drawn once per dynamic UB; by default the system's.
    DeviceTransfers(SerialPortHandler &device, PlanBackup backup, RandomSource random = RandomSource(),
                    ProgressReport progress = ProgressReport());

    // Each transfer works with the satellite data `data` as they are when it
    // starts (null: none); data that arrive meanwhile are the caller's to
    // take in once it has ended.

    // The switch's plan and options. The satellite names of LNBs without
    // static UBs are those given (the switch does not keep them). A read
    // that times out is tried three times in all.
    BandPlan readPlan(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data);
    // "Test on device": the words, the backup, the three options, then the UBs.
    Outcome send(const BandPlan &plan, const SharedCatalogue &data);
    // "Save on device": the backup, then the plan sent and stored.
    Outcome store(const BandPlan &plan, const SharedCatalogue &data);
    // Sends the switch's replies of a verbatim backup back, word for word,
    // and stores them; the names are those of LNBs the backup of the plan
    // being replaced cannot name. Words the program could not read back are
    // refused before anything is sent.
    Outcome restore(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                    const SharedCatalogue &data);

    const PlanBackup &backups() const { return backup; }

    // Asks the running transfer to stop. Honoured only while it reads (the
    // read, the backup before a send, store or restore, the waits between
    // attempts): it stops before its next line goes out and throws
    // TransferCancelled. Once the first setting has gone out the transfer
    // runs to its end, so the switch never keeps half a plan.
    void cancel() { cancelRequested = true; }
    // True while the running transfer only reads, so cancel() is honoured.
    bool cancellable() const { return reading; }

    // The message of a store for the user: where the earlier stored plan is.
    static QString storedMessage(const Outcome &outcome);

private:
    DeviceReplies readReplies();
    static BandPlan decode(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                           const SatelliteCatalogue &data);
    // Without a backup nothing is sent: it throws with `failure` (taking the
    // reason as %1) when the switch cannot be read or the files not written.
    Outcome backUp(const QString &lnb1, const QString &lnb2, const QString &failure,
                   const SatelliteCatalogue &data);
    // The plan's words, or a throw naming every UB that cannot be sent.
    QVector<CodeWord> wordsOf(const BandPlan &plan, const SatelliteCatalogue &data) const;
    Outcome sendAfterBackup(const BandPlan &plan, const QString &failure, const SharedCatalogue &data);
    // The data themselves; an empty set for none.
    static SharedCatalogue orEmpty(const SharedCatalogue &data);
    void sendOptionsAndWords(bool lteFilter, bool standBy, bool terrestrialPath, const QVector<CodeWord> &words);
    static QString notStoredMessage();
    void report(const QString &text);
    // A transfer's start and end: no cancel request carries over to the next.
    void begin();
    void end();
    void setReading(bool on);
    // Throws TransferCancelled when a cancel was asked for.
    void stopIfCancelled() const;
    // Before the first setting goes out: a last look at a cancel request,
    // then the transfer can no longer be cancelled.
    void stopReading();

    SerialPortHandler &device;
    PlanBackup backup;
    RandomSource random;
    ProgressReport progress;
    // The connection whose stored plan is known to be in storedPlanBackup.
    int knownConnection = 0;
    QString storedPlanBackup;
    bool cancelRequested = false;
    bool reading = false;
    // Said again when only cancellable() changes.
    QString lastProgress;
};
