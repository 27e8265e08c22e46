#pragma once

#include "Polarisation.h"
#include "TransponderChoice.h"

#include <QList>
#include <QString>

class QDataStream;

// One user band of the switch. Role numbers and stream form are fixed: the
// settings files written by earlier versions depend on them.
struct UBRecord
{
    static const QString staticType;
    static const QString dynamicType;

    quint32 ubNumber = 0;
    quint32 line = 0;
    quint32 localUB = 0;
    quint32 freq = 0;
    quint32 localUBFreq = 0;
    QString type = dynamicType;
    quint32 lnb = 0;
    qint32 tp = -1;
    // A static UB's transponder is its frequency and polarisation on its
    // LNB's satellite; tp is that transponder's number in the data in use.
    // Not part of the record's stream form: the settings file keeps it after
    // its described fields. Unknown where the plan never knew it.
    Polarisation polarisation;
    // How that transponder stands against the data in use; found anew
    // whenever the plan meets data, so never stored.
    TransponderChoice::Standing standing = TransponderChoice::Standing::Found;

    // A static UB's transponder moves as one value: input, number,
    // frequency, polarisation and standing together.
    TransponderChoice transponderChoice() const;
    void setTransponderChoice(const TransponderChoice &choice);

    bool isStatic() const { return type == staticType; }
    bool isDynamic() const { return type == dynamicType; }

    // A UB as the band list, the comparison and the sheet name it: UB01 for
    // UB number 0.
    static QString displayName(quint32 ubNumber);
    // Several, as a notice lists them: "UB03, UB17".
    static QString displayNames(const QList<quint32> &ubNumbers);
    // A number as the band list shows it: at least two digits ("07").
    static QString twoDigits(quint32 number);
    // The colour of the UB's row in the band list and of its slot on the
    // installation sheet, as a colour name: one for static UBs, one per line.
    QString rowColour() const;

    bool operator==(const UBRecord &other) const;
    bool operator!=(const UBRecord &other) const { return !(*this == other); }
};

// Output slot of a UB on the cable, in MHz.
constexpr quint32 slotFrequency(quint32 ubNumber)
{
    return 975 + 50 * ubNumber;
}

QDataStream &operator<<(QDataStream &stream, const UBRecord &record);
QDataStream &operator>>(QDataStream &stream, UBRecord &record);

// Lists use the framework's list form (32-bit count, then the records). The
// reader is our own so that a corrupt count cannot reserve more room than the
// stream's remaining bytes could ever fill.
QDataStream &operator<<(QDataStream &stream, const QList<UBRecord> &list);
QDataStream &operator>>(QDataStream &stream, QList<UBRecord> &list);
