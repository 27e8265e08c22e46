#pragma once

#include <QtGlobal>

// One transponder row of a satellite table.
struct TransponderItem
{
    quint32 transponder = 0;
    quint32 frequency = 0;          // MHz
    bool horizontal = false;
    quint32 oscillatorFrequency = 0; // MHz, of the LNB band that receives it
    quint32 satId = 0;

    bool operator==(const TransponderItem &o) const
    {
        return transponder == o.transponder && frequency == o.frequency && horizontal == o.horizontal
               && oscillatorFrequency == o.oscillatorFrequency && satId == o.satId;
    }
};
