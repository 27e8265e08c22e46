#pragma once

#include "device/BackupPlace.h"
#include "device/DeviceReplies.h"
#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

// Keeps a switch's plan before it is overwritten:
// <directory>/<serial number>/<yyyyMMdd-HHmmss>.dat, a settings file, and
// beside it the same name with .txt, the switch's replies word for word.
// Backups are only ever added, never replaced or deleted. While a place is
// set (a site in use), the backup that holds the plan gets its side file
// (BackupPlace): a new backup a new one; a backup that already held the plan
// gets one when it has none or when it names another place, so that the side
// file always says where the switch was the last time that plan was backed up.
class PlanBackup
{
    Q_DECLARE_TR_FUNCTIONS(PlanBackup)

public:
    using Clock = std::function<QDateTime()>;

    // An empty directory means "backups" in the per-user application data
    // directory, next to the offline cache.
    explicit PlanBackup(QString directory = QString(), Clock clock = &QDateTime::currentDateTime);

    // Keeps the replies, and the plan when there is one (null: the satellite
    // data cannot decode it), unless the newest backup of the switch already
    // holds them. Returns the path of the backup that holds them: the
    // settings file, or the replies' file when there is no settings file.
    // Throws std::runtime_error with the reason when it cannot write them.
    QString write(const QString &serialNumber, const DeviceReplies &replies, const BandPlan *plan) const;

    QString directory() const { return root; }

    // Where the switches backed up from now on hang; empty: no side file.
    void setPlace(const BackupPlace &where) { place = where; }
    const BackupPlace &where() const { return place; }

    // A serial number as a single, harmless folder name.
    static QString folderName(const QString &serialNumber);
    // The replies' file beside a settings file.
    static QString repliesPath(const QString &settingsPath);

private:
    QString folder(const QString &serialNumber) const;
    // The newest backup in the folder, without its extension; empty: none.
    static QString newest(const QString &folder);
    static bool holds(const QString &base, const DeviceReplies &replies, const BandPlan *plan);
    QString freeName(const QString &folder) const;
    // The side file beside `backupPath`, unless it says so already.
    void writePlace(const QString &backupPath) const;

    QString root;
    Clock clock;
    BackupPlace place;
};
