#pragma once

#include "DeviceIdentity.h"
#include "DeviceOperation.h"

#include <optional>

// Asks a port just opened who is there ("*IDN?", once, within the limits of
// every query) and ends Done when the switch answered. Any other end (no
// answer, another device's, a lost line) is a port that is not the switch;
// that is never shown, so the message is the line's reason at most.
class IdentifyOperation : public DeviceOperation
{
    Q_OBJECT

public:
    explicit IdentifyOperation(QObject *parent = nullptr);

    // The switch that answered; set once the operation is Done.
    const std::optional<DeviceIdentity> &identity() const { return found; }

protected:
    void begin() override;

private:
    std::optional<DeviceIdentity> found;
};
