#pragma once

#include "Polarisation.h"

#include <QtGlobal>

// One transponder row of a satellite table.
struct TransponderItem
{
    quint32 transponder = 0;
    quint32 frequency = 0; // MHz
    Polarisation polarisation = Polarisation::V;
    quint32 oscillatorFrequency = 0; // MHz, of the LNB band that receives it
    quint32 satId = 0;

    // The code word's polarisation bit: H and L are received as horizontal.
    bool horizontal() const { return polarisation.horizontalBit(); }

    bool operator==(const TransponderItem &o) const
    {
        return transponder == o.transponder && frequency == o.frequency && polarisation == o.polarisation &&
               oscillatorFrequency == o.oscillatorFrequency && satId == o.satId;
    }
};
