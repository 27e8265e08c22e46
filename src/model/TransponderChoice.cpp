#include "TransponderChoice.h"

#include "UBRecord.h"

TransponderChoice TransponderChoice::none(quint32 lnb, quint32 frequency)
{
    TransponderChoice choice;
    choice.lnb = lnb;
    choice.frequency = frequency;
    return choice;
}

QString TransponderChoice::frequencyText() const
{
    const QString text = QString::number(frequency) + QStringLiteral(" MHz");
    return polarisation.isKnown() ? text + QLatin1Char(' ') + polarisation.letter() : text;
}

QString TransponderChoice::missingMessage(quint32 ubNumber, const QString &satellite) const
{
    const QString ub = UBRecord::displayName(ubNumber);
    if (standing == Standing::Ambiguous)
        return tr("%1: %2 has more than one transponder at %3; the plan does not say which.")
            .arg(ub, satellite, frequencyText());
    return tr("%1: %2 has no transponder at %3").arg(ub, satellite, frequencyText());
}

QString TransponderChoice::polarisationTakenMessage(quint32 ubNumber) const
{
    return tr("%1: polarisation %2 taken from transponder %3; check it")
        .arg(UBRecord::displayName(ubNumber), polarisation.letter())
        .arg(number);
}
