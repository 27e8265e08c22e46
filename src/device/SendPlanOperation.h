#pragma once

#include "DeviceOperation.h"
#include "PlanBackup.h"
#include "PlanReadBack.h"
#include "SentPlan.h"
#include "model/SatelliteCatalogue.h"

#include <QVector>

// "Test on device" and "Save on device" (and a restore, which stores words
// as they are): the switch's plan is read and backed up first, then the three
// options and the words go out, and with `store` the switch keeps them.
// Last, the switch's working plan is read back and compared with what went
// out: a word lost on the line or a value the switch refused fails the
// operation. The words are put together before the operation starts: when
// one UB cannot be sent, nothing is.
class SendPlanOperation : public DeviceOperation
{
    Q_OBJECT

public:
    using Plan = SentPlan;

    // `failure` takes the reason why the switch's plan could not be backed
    // up as %1. `serialNumber` names the backup's folder. Null `data`: none,
    // as an empty set.
    SendPlanOperation(Plan plan, bool store, SharedCatalogue data, PlanBackup backup, QString serialNumber,
                      QString failure, QObject *parent = nullptr);

    // The backup holding the switch's plan from just before the send.
    QString backupPath() const { return backupFile; }
    // Why only the switch's replies were kept; empty when the plan was.
    QString notice() const { return backupNotice; }
    const SentPlan &sent() const { return plan; }
    bool stores() const { return store; }
    ReadBackState readBack() const
    {
        return readingBack && readBackState == ReadBackState::None ? ReadBackState::Unanswered
                                                                   : readBackState;
    }
    // What the read-back noticed that does not matter to the switch.
    const QStringList &readBackNotes() const { return notes; }

protected:
    void begin() override;
    QString readFailure(const QString &reason) const override;
    QString lostFailure(const QString &reason) const override;

private:
    struct Written
    {
        QString path;
        QString error;
    };
    void backUp(const DeviceReplies &replies);
    void backedUp(const Written &written, const QString &undecodable, bool dataMismatch);
    void sendOption(int index);
    void sendWords();
    void storeWords();
    void readBackWords();
    void compare(const DeviceReplies &replies);

    Plan plan;
    bool store;
    SharedCatalogue data;
    PlanBackup backup;
    QString serialNumber;
    QString failure;
    QString backupFile;
    QString backupNotice;
    bool readingBack = false;
    ReadBackState readBackState = ReadBackState::None;
    QStringList notes;
};
