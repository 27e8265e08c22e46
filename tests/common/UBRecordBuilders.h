#pragma once

#include "model/UBRecord.h"

// Short forms of the two kinds of UB a plan holds, for tables of test cases.

// A static UB on input `lnb` (0 or 1) at transponder `tp` (-1: none), sent at
// `freq` MHz; its polarisation is not known.
inline UBRecord staticUB(quint32 ubNumber, quint32 lnb, qint32 tp, quint32 freq)
{
    UBRecord record;
    record.ubNumber = ubNumber;
    record.type = UBRecord::staticType;
    record.lnb = lnb;
    record.tp = tp;
    record.freq = freq;
    return record;
}

// A dynamic UB on `line` at its own slot's frequency.
inline UBRecord dynamicUB(quint32 ubNumber, quint32 line)
{
    UBRecord record;
    record.ubNumber = ubNumber;
    record.line = line;
    record.freq = slotFrequency(ubNumber);
    return record;
}

inline UBRecord withPolarisation(UBRecord record, Polarisation polarisation)
{
    record.polarisation = polarisation;
    return record;
}
