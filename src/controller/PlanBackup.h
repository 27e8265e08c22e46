#pragma once

#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

// Keeps a switch's plan as a settings file before it is overwritten:
// <directory>/<serial number>/<yyyyMMdd-HHmmss>.dat. Backups are only ever
// added, never replaced or deleted.
class PlanBackup
{
    Q_DECLARE_TR_FUNCTIONS(PlanBackup)

public:
    using Clock = std::function<QDateTime()>;

    // An empty directory means "backups" in the per-user application data
    // directory, next to the offline cache.
    explicit PlanBackup(QString directory = QString(), Clock clock = &QDateTime::currentDateTime);

    // Writes the plan and returns the file's path; throws std::runtime_error
    // with the reason when it cannot.
    QString write(const QString &serialNumber, const BandPlan &plan) const;

    QString directory() const { return root; }

    // A serial number as a single, harmless folder name.
    static QString folderName(const QString &serialNumber);

private:
    QString root;
    Clock clock;
};
