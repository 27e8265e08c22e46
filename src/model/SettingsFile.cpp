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

// After the plan's own fields, which earlier readers stop at: the
// polarisation of each static UB that knows it, as (UB number, letter) byte
// pairs behind a tag and a count.
const QString polarisationTag = QStringLiteral("polarisations");

void writePolarisations(QDataStream &stream, const QList<UBRecord> &list)
{
    QList<const UBRecord *> known;
    for (const UBRecord &record : list) {
        if (record.isStatic() && record.polarisation.isKnown() && record.ubNumber <= 0xFF)
            known.append(&record);
    }
    stream << polarisationTag << quint32(known.size());
    for (const UBRecord *record : known)
        stream << quint8(record->ubNumber) << quint8(record->polarisation.letter().at(0).toLatin1());
}

// Whatever follows the plan's fields is taken as far as it makes sense: a
// later version may write more.
void readPolarisations(QDataStream &stream, QList<UBRecord> &list)
{
    if (stream.atEnd())
        return;
    QString tag;
    quint32 count = 0;
    stream >> tag >> count;
    if (stream.status() != QDataStream::Ok || tag != polarisationTag)
        return;
    for (quint32 i = 0; i < count && i < quint32(list.size()); ++i) {
        quint8 ubNumber = 0;
        quint8 letter = 0;
        stream >> ubNumber >> letter;
        if (stream.status() != QDataStream::Ok)
            return;
        const Polarisation polarisation = Polarisation::fromText(QString(QLatin1Char(char(letter))));
        for (UBRecord &record : list) {
            if (record.isStatic() && record.ubNumber == ubNumber)
                record.polarisation = polarisation;
        }
    }
}

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
    writePolarisations(stream, plan.list);
    return data;
}

void SettingsFile::write(const QString &path, const BandPlan &plan)
{
    QString reason;
    if (!WholeFile::write(path, bytes(plan), &reason))
        fail(WholeFile::writeFailure(path, reason));
}

namespace {
BandPlan readStream(QDataStream &stream, const QString &path,
                    const std::function<void(const QString &)> &versionRead)
{
    stream.setVersion(streamVersion);
    QString fileVersion;
    stream >> fileVersion;
    if (versionRead)
        versionRead(fileVersion);
    BandPlan plan;
    stream >> plan.list >> plan.lteFilter >> plan.standBy >> plan.terrestrialPatchActive >> plan.lnb1 >>
        plan.lnb2;
    if (stream.status() != QDataStream::Ok)
        fail(SettingsFile::tr("The file %1 is no complete settings file.")
                 .arg(QDir::toNativeSeparators(path)));
    readPolarisations(stream, plan.list);
    for (UBRecord &record : plan.list)
        record.localUBFreq = slotFrequency(record.ubNumber);
    return plan;
}
} // namespace

BandPlan SettingsFile::read(const QString &path, const std::function<void(const QString &)> &versionRead)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(WholeFile::readFailure(path, file.errorString()));
    QDataStream stream(&file);
    return readStream(stream, path, versionRead);
}

BandPlan SettingsFile::fromBytes(const QByteArray &data, const QString &path)
{
    QDataStream stream(data);
    return readStream(stream, path, {});
}
