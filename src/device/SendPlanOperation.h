#pragma once

#include "DeviceOperation.h"
#include "PlanBackup.h"
#include "model/SatelliteCatalogue.h"

#include <QVector>

// "Test on device" and "Save on device" (and a restore, which stores words
// as they are): the switch's plan is read and backed up first, then the three
// options and the words go out, and with `store` the switch keeps them. The
// words are put together before the operation starts: when one UB cannot be
// sent, nothing is.
class SendPlanOperation : public DeviceOperation
{
    Q_OBJECT

public:
    struct Plan
    {
        bool lteFilter = false;
        bool standBy = false;
        bool terrestrialPath = false;
        QVector<CodeWord> words;
        // The names of the LNBs whose satellites the switch's words cannot
        // name, for reading its plan into the backup.
        QString lnb1;
        QString lnb2;
    };

    // `failure` takes the reason why the switch's plan could not be backed
    // up as %1. `serialNumber` names the backup's folder. Null `data`: none,
    // as an empty set.
    SendPlanOperation(Plan plan, bool store, SharedCatalogue data, PlanBackup backup, QString serialNumber,
                      QString failure, QObject *parent = nullptr);

    // The backup holding the switch's plan from just before the send.
    QString backupPath() const { return backupFile; }
    // Why only the switch's replies were kept; empty when the plan was.
    QString notice() const { return backupNotice; }

protected:
    void begin() override;
    QString readFailure(const QString &reason) const override { return failure.arg(reason); }

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

    Plan plan;
    bool store;
    SharedCatalogue data;
    PlanBackup backup;
    QString serialNumber;
    QString failure;
    QString backupFile;
    QString backupNotice;
};
