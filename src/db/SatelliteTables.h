#pragma once

#include "model/SateliteParams.h"
#include "model/TransponderItem.h"

#include <QString>
#include <QVector>

#include <map>

// Everything the program knows about satellites, as one value.
struct SatelliteTables
{
    std::map<QString, QVector<TransponderItem>> items;
    QVector<SateliteParams> params;

    // Satellite data hold at least one transponder: tables without rows, or
    // no tables at all, are no data.
    bool holdsSatellites() const
    {
        for (const auto &entry : items) {
            if (!entry.second.isEmpty())
                return true;
        }
        return false;
    }
};
