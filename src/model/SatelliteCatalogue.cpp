#include "SatelliteCatalogue.h"

#include <utility>

SatelliteCatalogue::SatelliteCatalogue(Transponders transponders, QVector<SateliteParams> satellites,
                                       OtherIds otherIds)
    : bySatellite(std::move(transponders)), params(std::move(satellites)), alsoNamed(std::move(otherIds))
{
}

QStringList SatelliteCatalogue::satelliteNames() const
{
    QStringList names;
    names.reserve(int(bySatellite.size()));
    for (const auto &entry : bySatellite)
        names << entry.first;
    return names;
}

QVector<TransponderItem> SatelliteCatalogue::transponders(const QString &satellite) const
{
    const auto it = bySatellite.find(satellite);
    return it == bySatellite.end() ? QVector<TransponderItem>() : it->second;
}

const SateliteParams *SatelliteCatalogue::findSatelite(const QString &name) const
{
    for (const SateliteParams &satellite : params) {
        if (satellite.name == name)
            return &satellite;
    }
    return nullptr;
}

const SateliteParams *SatelliteCatalogue::findSateliteById(quint32 satId) const
{
    if (satId == 0)
        return nullptr;
    for (const SateliteParams &satellite : params) {
        if (satellite.satId == satId)
            return &satellite;
    }
    const auto other = alsoNamed.find(satId);
    return other == alsoNamed.end() ? nullptr : findSatelite(other->second);
}

const TransponderItem *SatelliteCatalogue::findTransponder(const QString &satellite, quint32 transponder) const
{
    const auto it = bySatellite.find(satellite);
    if (it == bySatellite.end())
        return nullptr;
    for (const TransponderItem &item : it->second) {
        if (item.transponder == transponder)
            return &item;
    }
    return nullptr;
}

const TransponderItem *SatelliteCatalogue::findTransponderByFrequency(const QString &satellite, quint32 frequency,
                                                                      bool horizontal) const
{
    return nearest(satellite, frequency, horizontal ? 1 : 0);
}

const TransponderItem *SatelliteCatalogue::findTransponderNear(const QString &satellite, quint32 frequency) const
{
    return nearest(satellite, frequency, -1);
}

const TransponderItem *SatelliteCatalogue::nearest(const QString &satellite, quint32 frequency, int horizontal) const
{
    const auto it = bySatellite.find(satellite);
    if (it == bySatellite.end())
        return nullptr;
    // One frequency often carries two transponders, one per polarisation,
    // and neighbours lie a few MHz apart: the nearest row wins, not the first.
    constexpr qint64 tolerance = 4;
    const TransponderItem *best = nullptr;
    qint64 bestDistance = tolerance + 1;
    for (const TransponderItem &item : it->second) {
        if (horizontal >= 0 && item.horizontal() != (horizontal > 0))
            continue;
        const qint64 distance = qAbs(qint64(item.frequency) - qint64(frequency));
        if (distance < bestDistance) {
            best = &item;
            bestDistance = distance;
        }
    }
    return best;
}
