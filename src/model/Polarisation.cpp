#include "Polarisation.h"

Polarisation Polarisation::fromText(QStringView text)
{
    const QString word = text.trimmed().toString().toUpper();
    if (word == QLatin1String("H") || word == QLatin1String("HORIZONTAL"))
        return H;
    if (word == QLatin1String("V") || word == QLatin1String("VERTICAL"))
        return V;
    if (word == QLatin1String("L") || word == QLatin1String("LEFT"))
        return L;
    if (word == QLatin1String("R") || word == QLatin1String("RIGHT"))
        return R;
    return Unknown;
}

Polarisation Polarisation::fromDataLetter(QStringView letter)
{
    if (letter.size() == 1) {
        for (const Value value : {H, V, L, R}) {
            if (letter.front() == Polarisation(value).letter().front())
                return value;
        }
    }
    return V;
}

QString Polarisation::letter() const
{
    switch (val) {
    case H:
        return QStringLiteral("H");
    case V:
        return QStringLiteral("V");
    case L:
        return QStringLiteral("L");
    case R:
        return QStringLiteral("R");
    case Unknown:
        break;
    }
    return QString();
}
