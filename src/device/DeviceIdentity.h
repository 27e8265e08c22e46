#pragma once

#include <QString>

#include <optional>

// What the switch says of itself in its answer to "*IDN?", read without
// touching the line. The answer has the identification form of IEEE 488.2:
// maker, model, serial number and firmware level, separated by commas, empty
// fields allowed. Only the maker (which must name "KAVEN GmbH") and the serial
// number count; the rest may be anything, or missing.
class DeviceIdentity
{
public:
    // Nothing when the reply is no switch's: fewer than three fields, or a
    // first field without the maker's name (case counts).
    static std::optional<DeviceIdentity> fromReply(const QString &reply);

    // The third field as it came, with the switch's tag before the number.
    QString serialField() const { return field; }
    // The serial number as the window, the sheet and the backups name it.
    QString serialNumber() const { return shownSerialNumber(field); }
    // The same for a third field as it came: the switch puts a tag of three
    // characters ("SN:") before the number.
    static QString shownSerialNumber(const QString &serialField) { return serialField.mid(3); }

private:
    explicit DeviceIdentity(QString serialField) : field(std::move(serialField)) {}

    QString field;
};
