#include "PlanBackup.h"

#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>
#include <utility>

PlanBackup::PlanBackup(QString directory, Clock clock) : root(std::move(directory)), clock(std::move(clock))
{
    if (root.isEmpty())
        root = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
               QStringLiteral("/backups");
}

QString PlanBackup::folderName(const QString &serialNumber)
{
    // The number comes from the device: nothing in it may lead elsewhere.
    QString name;
    for (const QChar c : serialNumber.trimmed()) {
        const bool plain = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('-') ||
                           c == QLatin1Char('_');
        name += plain ? c : QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("unknown") : name;
}

QString PlanBackup::write(const QString &serialNumber, const BandPlan &plan) const
{
    const QString folder = root + QLatin1Char('/') + folderName(serialNumber);
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error(
            tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)).toStdString());
    }
    const QString stamp = clock().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = folder + QLatin1Char('/') + stamp + QStringLiteral(".dat");
    // Two stores within one second keep both backups, in the order of names.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + stamp + QStringLiteral("_%1.dat").arg(n);
    SettingsFile::write(path, plan);
    return path;
}
