#pragma once

#include "PlanBackup.h"
#include "device/DeviceOperation.h"
#include "device/DeviceReplies.h"
#include "device/OperationRunner.h"
#include "device/SendPlanOperation.h"
#include "model/BandPlan.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <set>

class SerialPortHandler;

// The transfers between a plan and the connected switch, shared by the
// window's buttons and the command-line tool. Each starts an operation on
// the switch and returns at once; finished() brings its result. A plan that
// cannot be sent is refused before anything starts: the call throws
// std::runtime_error with a translated message (NoSatelliteData when a static
// UB meets no satellite data at all), and the switch hears nothing.
// The transfers queue on the handler's runner, behind or before the
// switch's identification; those not begun go with this object.
// A send first reads and backs up the switch's plan (the plan it had stored
// is only readable before the first send since it was plugged in), and only
// then sets the options and the words; last it reads the switch's working
// plan back and compares it with what went out (Outcome::readBack): a send
// whose read-back differs or goes unanswered ends Failed, its message naming
// every difference and the backup.
class DeviceTransfers : public QObject
{
    Q_OBJECT

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
        // What was sent, and what reading it back found.
        SentPlan sent;
        ReadBackState readBack = ReadBackState::None;
        // What the read-back noticed that does not matter to the switch.
        QStringList readBackNotes;
    };

    struct Result
    {
        DeviceOperation::Kind kind = DeviceOperation::Kind::Failed;
        // Why it did not end Done, in the user's language.
        QString message;
        // The plan read (readPlan).
        BandPlan plan;
        // What the user is told about how it was read (CodeWord::earlierBandNote);
        // empty when there is nothing to tell.
        QString readNote;
        // What a send, store or restore did besides sending.
        Outcome outcome;
        // What compareWithSent() found; empty when the switch holds that plan.
        QStringList differences;
    };

    using RandomSource = std::function<quint32()>;

    // `random` is drawn once per dynamic UB; by default the system's.
    DeviceTransfers(SerialPortHandler &device, PlanBackup backup, RandomSource random = RandomSource(),
                    QObject *parent = nullptr);
    ~DeviceTransfers() override;

    // Each transfer works with the satellite data `data` as they are when it
    // starts (null: none); data that arrive meanwhile are the caller's to
    // take in once it has ended. Only one runs at a time: a call while one
    // runs is queued behind it.

    // The switch's plan and options. The satellite names of LNBs without
    // static UBs are those given (the switch does not keep them). A read
    // that times out is tried three times in all.
    void readPlan(const QString &lnb1, const QString &lnb2, const SharedCatalogue &data);
    // "Test on device": the backup, the three options, the UBs, the read-back.
    void send(const BandPlan &plan, const SharedCatalogue &data);
    // "Save on device": the backup, the plan sent and stored, the read-back.
    void store(const BandPlan &plan, const SharedCatalogue &data);
    // Sends the switch's replies of a verbatim backup back, word for word,
    // and stores them; the names are those of LNBs the backup of the plan
    // being replaced cannot name. Words the program could not read back are
    // refused before anything is sent.
    void restore(const DeviceReplies &replies, const QString &lnb1, const QString &lnb2,
                 const SharedCatalogue &data);
    // Reads the switch's working plan and holds it against a plan sent
    // earlier (Outcome::sent), by the rules of a send's read-back.
    void compareWithSent(const SentPlan &sent, const SharedCatalogue &data);

    // A transfer is queued or running (the switch's identification is none).
    bool busy() const { return !own.empty(); }
    // While the running transfer only reads: cancel() stops it before its
    // next line, and it ends Cancelled.
    bool cancellable() const;
    void cancel();
    // What the running transfer is doing ("Sending… 3 of 4"); empty when none runs.
    QString progress() const;

    const PlanBackup &backups() const { return backup; }
    // Where the switch hangs, for the backups of the sends asked from now
    // on (BackupPlace); empty: no side file.
    void setBackupPlace(const BackupPlace &place) { backup.setPlace(place); }

    // The message of a store for the user: that it was read back, and where
    // the earlier stored plan is.
    static QString storedMessage(const Outcome &outcome);
    // Where the plan the switch had stored before is kept.
    static QString storedBackupMessage(const Outcome &outcome);

signals:
    void busyChanged();
    // progress() or cancellable() changed.
    void progressChanged();
    void finished(const DeviceTransfers::Result &result);

private:
    // The plan's words, or a throw naming every UB that cannot be sent.
    QVector<CodeWord> wordsOf(const BandPlan &plan, const SharedCatalogue &data) const;
    void sendWords(SendPlanOperation::Plan words, bool store, const SharedCatalogue &data,
                   const QString &failure);
    // Queues a transfer on the handler's runner.
    void run(std::unique_ptr<DeviceOperation> operation);
    // The transfer running now, if one of ours does.
    DeviceOperation *running() const;
    void ended(DeviceOperation *operation);
    void sendEnded(const SendPlanOperation &sent, Result &result);
    static QString notStoredMessage();
    static QString heldBackupMessage(const Outcome &outcome);

    SerialPortHandler &device;
    PlanBackup backup;
    RandomSource random;
    OperationRunner &runner;
    // The transfers queued or running, until they have ended.
    std::set<const DeviceOperation *> own;
    // The connection whose stored plan is known to be in storedPlanBackup.
    int knownConnection = 0;
    QString storedPlanBackup;
};
