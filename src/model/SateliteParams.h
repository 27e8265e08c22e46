#pragma once

#include <QString>

// Summary of one satellite: its id and the one or two oscillator frequencies.
struct SateliteParams
{
    QString name;
    quint32 satId = 0;
    quint32 lofLow = 0;
    quint32 lofHigh = 0; // 0 when the satellite has a single band

    bool operator==(const SateliteParams &o) const
    {
        return name == o.name && satId == o.satId && lofLow == o.lofLow && lofHigh == o.lofHigh;
    }
};
