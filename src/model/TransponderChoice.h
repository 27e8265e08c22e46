#pragma once

#include "Polarisation.h"

#include <QCoreApplication>
#include <QString>

// A static UB's transponder as one value: the LNB input whose satellite
// carries it, its number in the data it was chosen or read with, its
// frequency and polarisation, and how it stands against the data in use.
// It moves whole (static UBs set anew, another LNB, new data), so that no
// part of one transponder ends up beside a part of another.
class TransponderChoice
{
    Q_DECLARE_TR_FUNCTIONS(TransponderChoice)

public:
    enum class Standing : quint8
    {
        // The number names the row: as chosen, read or found again.
        Found,
        // The plan did not know the polarisation; of the rows at its
        // frequency, the one its number names was taken.
        PolarisationFromNumber,
        // The data in use hold no row that is this transponder.
        NotInData,
        // The plan does not know the polarisation and the data hold more
        // than one row at its frequency, none of them under its number.
        Ambiguous
    };

    quint32 lnb = 0;
    // -1: none chosen.
    qint32 number = -1;
    quint32 frequency = 0; // MHz
    Polarisation polarisation;
    Standing standing = Standing::Found;

    // No transponder on input `lnb`; the frequency is kept where the plan
    // keeps it (a saved plan holds it).
    static TransponderChoice none(quint32 lnb, quint32 frequency = 0);

    bool isAssigned() const { return number >= 0; }
    // Marked in the band list and on the sheet, refused by a send.
    bool isMissing() const { return standing == Standing::NotInData || standing == Standing::Ambiguous; }
    // The frequency and polarisation as the transponder box writes them:
    // "10705 MHz H", or "10729 MHz" without a polarisation.
    QString frequencyText() const;

    // Why a UB on a missing transponder is refused: "UB01: Astra 19.2E has
    // no transponder at 10705 MHz H".
    QString missingMessage(quint32 ubNumber, const QString &satellite) const;
    // "UB01: polarisation V taken from transponder 73; check it".
    QString polarisationTakenMessage(quint32 ubNumber) const;

    bool operator==(const TransponderChoice &other) const
    {
        return lnb == other.lnb && number == other.number && frequency == other.frequency &&
               polarisation == other.polarisation && standing == other.standing;
    }
    bool operator!=(const TransponderChoice &other) const { return !(*this == other); }
};
