#include "PlanBackup.h"

#include "io/WholeFile.h"
#include "model/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <stdexcept>
#include <utility>

namespace {
const QString settingsSuffix = QStringLiteral(".dat");
const QString repliesSuffix = QStringLiteral(".txt");
} // namespace

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

QString PlanBackup::repliesPath(const QString &settingsPath)
{
    QString path = settingsPath;
    if (path.endsWith(settingsSuffix))
        path.chop(settingsSuffix.size());
    return path + repliesSuffix;
}

QString PlanBackup::folder(const QString &serialNumber) const
{
    const QString path = root + QLatin1Char('/') + folderName(serialNumber);
    if (!QDir().mkpath(path)) {
        throw std::runtime_error(
            tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(path)).toStdString());
    }
    return path;
}

QString PlanBackup::freeName(const QString &folder) const
{
    const QString stamp = folder + QLatin1Char('/') + clock().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString base = stamp;
    // Two backups within one second are both kept, numbered in their order.
    for (int n = 2; QFileInfo::exists(base + settingsSuffix) || QFileInfo::exists(base + repliesSuffix); ++n)
        base = stamp + QStringLiteral("_%1").arg(n);
    return base;
}

QString PlanBackup::newest(const QString &folder)
{
    static const QRegularExpression name(QStringLiteral("^(\\d{8}-\\d{6})(?:_(\\d+))?\\.(?:dat|txt)$"));
    QString best;
    QPair<QString, int> bestKey;
    const QStringList files = QDir(folder).entryList(QDir::Files);
    for (const QString &file : files) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        // "_10" comes after "_2", which the names alone would not say.
        const QPair<QString, int> key{match.captured(1),
                                      match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()};
        if (best.isEmpty() || bestKey < key) {
            bestKey = key;
            best = folder + QLatin1Char('/') + file.left(file.size() - 4);
        }
    }
    return best;
}

bool PlanBackup::holds(const QString &base, const DeviceReplies &replies, const BandPlan *plan)
{
    QFile text(base + repliesSuffix);
    if (text.open(QIODevice::ReadOnly)) {
        DeviceReplies kept;
        return DeviceReplies::fromText(text.readAll(), kept, nullptr) && kept == replies;
    }
    // Backups of earlier versions have no replies: their plan tells.
    if (!plan || !QFileInfo::exists(base + settingsSuffix))
        return false;
    try {
        return SettingsFile::read(base + settingsSuffix) == *plan;
    } catch (const std::exception &) {
        return false;
    }
}

void PlanBackup::writePlace(const QString &backupPath) const
{
    if (place.isEmpty())
        return;
    const QString path = BackupPlace::sidePath(backupPath);
    const QByteArray text = place.text();
    QFile kept(path);
    if (kept.open(QIODevice::ReadOnly) && kept.read(text.size() + 1) == text)
        return;
    kept.close();
    QString reason;
    if (!WholeFile::write(path, text, &reason))
        throw std::runtime_error(WholeFile::writeFailure(path, reason).toStdString());
}

QString PlanBackup::write(const QString &serialNumber, const DeviceReplies &replies,
                          const BandPlan *plan) const
{
    const QString dir = folder(serialNumber);
    const QString last = newest(dir);
    if (!last.isEmpty() && holds(last, replies, plan)) {
        const QString held =
            QFileInfo::exists(last + settingsSuffix) ? last + settingsSuffix : last + repliesSuffix;
        writePlace(held);
        return held;
    }
    const QString base = freeName(dir);
    QString reason;
    if (!WholeFile::write(base + repliesSuffix, replies.toText(), &reason)) {
        throw std::runtime_error(WholeFile::writeFailure(base + repliesSuffix, reason).toStdString());
    }
    if (!plan) {
        writePlace(base + repliesSuffix);
        return base + repliesSuffix;
    }
    SettingsFile::write(base + settingsSuffix, *plan);
    writePlace(base + settingsSuffix);
    return base + settingsSuffix;
}
