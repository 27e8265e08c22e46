#include "SettingsFile.h"

#include "io/WholeFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {
// Pinned, so that a settings file reads the same under every Qt version: it
// holds only fixed-size numbers, booleans and strings.
constexpr QDataStream::Version streamVersion = QDataStream::Qt_5_15;

[[noreturn]] void fail(const QString &text)
{
    throw std::runtime_error(text.toStdString());
}
} // namespace

QByteArray SettingsFile::bytes(const BandPlan &plan)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(streamVersion);
    stream << BandPlan::fileVersion() << plan.list << plan.lteFilter << plan.standBy
           << plan.terrestrialPatchActive << plan.lnb1 << plan.lnb2;
    return data;
}

void SettingsFile::write(const QString &path, const BandPlan &plan)
{
    QString reason;
    if (!WholeFile::write(path, bytes(plan), &reason))
        fail(tr("The file %1 cannot be written (%2).").arg(QDir::toNativeSeparators(path), reason));
}

BandPlan SettingsFile::read(const QString &path, const std::function<void(const QString &)> &versionRead)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("The file %1 cannot be read (%2).").arg(shown, file.errorString()));
    QDataStream stream(&file);
    stream.setVersion(streamVersion);

    QString fileVersion;
    stream >> fileVersion;
    if (versionRead)
        versionRead(fileVersion);
    BandPlan plan;
    stream >> plan.list >> plan.lteFilter >> plan.standBy >> plan.terrestrialPatchActive >> plan.lnb1 >>
        plan.lnb2;
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        fail(tr("The file %1 is no complete settings file.").arg(shown));
    for (UBRecord &record : plan.list)
        record.localUBFreq = slotFrequency(record.ubNumber);
    return plan;
}
