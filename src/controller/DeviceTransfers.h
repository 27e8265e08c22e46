#pragma once

#include "PlanBackup.h"
#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QString>

class SerialPortHandler;

// The transfers between a plan and the connected switch, shared by the
// window's buttons and the command-line tool. Every failure throws
// std::runtime_error with a translated message.
class DeviceTransfers
{
    Q_DECLARE_TR_FUNCTIONS(DeviceTransfers)

public:
    DeviceTransfers(SerialPortHandler &device, PlanBackup backup);

    // The switch's plan and options. The satellite names of LNBs without
    // static UBs are those given (the switch does not keep them). A read
    // that times out is tried three times in all.
    BandPlan readPlan(const QString &lnb1, const QString &lnb2);
    // "Test on device": the three options, then the UBs.
    void send(const BandPlan &plan);
    // "Save on device": keeps the switch's plan as a backup, then sends and
    // stores the new one; returns the backup's path. Without a backup
    // nothing is sent.
    QString store(const BandPlan &plan);

    const PlanBackup &backups() const { return backup; }

private:
    SerialPortHandler &device;
    PlanBackup backup;
};
