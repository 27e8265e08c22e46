#pragma once

#include "model/UBRecord.h"

#include <QList>

// The model's default plan: 24 dynamic UBs in the model's order (UB 23
// first), dealt out over the four lines by number, each at its slot.
inline QList<UBRecord> dynamicPlan()
{
    QList<UBRecord> list;
    for (int ub = 23; ub >= 0; --ub) {
        UBRecord record;
        record.ubNumber = quint32(ub);
        record.line = quint32(ub % 4);
        record.freq = slotFrequency(record.ubNumber);
        list << record;
    }
    return list;
}
