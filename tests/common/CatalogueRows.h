#pragma once

// The satellite data a handler holds, as values tests compare: a row that is
// not there gives a default value instead of a null pointer.

#include "model/SatelliteCatalogue.h"

#include <QStringList>
#include <QVariantList>

namespace CatalogueRows {

inline QStringList names(const SharedCatalogue &data)
{
    return data->satelliteNames();
}

// {transponder, frequency, ...} in table order.
inline QVariantList pairs(const SharedCatalogue &data, const QString &satellite)
{
    QVariantList items;
    for (const TransponderItem &item : data->transponders(satellite))
        items << QVariant::fromValue(item.transponder) << QVariant::fromValue(item.frequency);
    return items;
}

inline TransponderItem row(const SharedCatalogue &data, const QString &satellite, quint32 transponder)
{
    const TransponderItem *item = data->findTransponder(satellite, transponder);
    return item ? *item : TransponderItem{};
}

inline SateliteParams params(const SharedCatalogue &data, const QString &satellite)
{
    const SateliteParams *found = data->findSatelite(satellite);
    return found ? *found : SateliteParams{};
}

// The name of the satellite with the id; empty for none.
inline QString nameOfId(const SharedCatalogue &data, quint32 satId)
{
    const SateliteParams *found = data->findSateliteById(satId);
    return found ? found->name : QString();
}

} // namespace CatalogueRows
