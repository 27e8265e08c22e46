#include "DeviceStatus.h"

#include "device/DeviceIdentity.h"
#include "io/LogCategories.h"

DeviceStatus::DeviceStatus(QObject *parent) : QObject(parent), serial(tr("No device found")) {}

std::optional<QString> DeviceStatus::connectedSwitch() const
{
    return present ? std::optional<QString>(serial) : std::nullopt;
}

void DeviceStatus::setPortProblem(const QString &text)
{
    if (problem == text)
        return;
    problem = text;
    emit portProblemChanged();
}

void DeviceStatus::setBusy(bool on)
{
    if (busyNow == on)
        return;
    busyNow = on;
    if (!busyNow)
        setTransferProgress(QString(), false);
    emit busyChanged();
}

void DeviceStatus::setTransferProgress(const QString &text, bool cancellableNow)
{
    // Whoever hears of a step can cancel it at once.
    if (canCancel != cancellableNow) {
        canCancel = cancellableNow;
        emit cancellableChanged();
    }
    if (progressText == text)
        return;
    progressText = text;
    emit transferProgressChanged();
}

void DeviceStatus::cancel()
{
    if (busyNow)
        emit cancelAsked();
}

void DeviceStatus::deviceFound(const QString &serialField)
{
    qCDebug(deviceLog).noquote() << QStringLiteral("found ") + serialField;
    setConnected(true, DeviceIdentity::shownSerialNumber(serialField));
}

void DeviceStatus::deviceMissing()
{
    setConnected(false, tr("No device found"));
}

// Both are set before either signal: readers of the serial number ask
// whether a switch is there.
void DeviceStatus::setConnected(bool on, const QString &shown)
{
    const bool presence = present != on;
    const bool number = serial != shown;
    present = on;
    serial = shown;
    if (number)
        emit serialNumberChanged();
    if (presence)
        emit connectedChanged();
}
