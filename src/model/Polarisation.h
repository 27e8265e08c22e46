#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// The polarisation of a transponder as the satellite data give it. Circular
// polarisation is received with the linear supply voltages: left like
// horizontal (18 V), right like vertical (13 V); that is the one bit a code
// word carries.
class Polarisation
{
public:
    enum Value : quint8
    {
        Unknown,
        H,
        V,
        L,
        R
    };

    constexpr Polarisation() = default;
    constexpr Polarisation(Value value) : val(value) {} // NOLINT: a value type, converted freely

    // "H", "V", "L" or "R" (either case, blanks around them ignored); the
    // words the scan tables use ("HORIZONTAL", …) too. Anything else gives
    // Unknown.
    static Polarisation fromText(QStringView text);
    // A letter as the satellite data write it: exactly "H", "V", "L" or "R";
    // anything else has always been taken as vertical and still is.
    static Polarisation fromDataLetter(QStringView letter);
    // What a code word's bit or the offline cache's flag can say.
    static constexpr Polarisation fromHorizontalBit(bool horizontal) { return horizontal ? H : V; }

    constexpr Value value() const { return val; }
    constexpr bool isKnown() const { return val != Unknown; }
    // The bit of a code word and the supply voltage: H and L are horizontal.
    constexpr bool horizontalBit() const { return val == H || val == L; }
    // "H", "V", "L", "R"; empty for Unknown.
    QString letter() const;

    constexpr bool operator==(Polarisation other) const { return val == other.val; }
    constexpr bool operator!=(Polarisation other) const { return val != other.val; }

private:
    Value val = Unknown;
};
