#pragma once

#include "SateliteParams.h"
#include "TransponderItem.h"

#include <QStringList>
#include <QVector>

#include <functional>
#include <map>
#include <memory>

// Every satellite the program knows and their transponders, as one value:
// made by the download, the offline cache or the built-in data and handed to
// whoever encodes, decodes, shows or prints a plan. An empty catalogue means
// "no satellite data". The lookups never throw: they answer null when there
// is no such row.
class SatelliteCatalogue
{
public:
    using Transponders = std::map<QString, QVector<TransponderItem>>;
    // Ids switches may still hold for a satellite besides its own (those of
    // the spacecraft its position was made of), each with the satellite's
    // name: a word with one of them names it too, and it is always sent with
    // its own.
    using OtherIds = std::map<quint32, QString>;

    SatelliteCatalogue() = default;
    SatelliteCatalogue(Transponders transponders, QVector<SateliteParams> satellites, OtherIds otherIds = {});

    bool isEmpty() const { return bySatellite.empty(); }
    int satelliteCount() const { return int(bySatellite.size()); }
    // The names in alphabetical order.
    QStringList satelliteNames() const;
    const QVector<SateliteParams> &satellites() const { return params; }
    const Transponders &allTransponders() const { return bySatellite; }
    const OtherIds &otherIds() const { return alsoNamed; }
    // A satellite's rows in table order; empty for an unknown name.
    QVector<TransponderItem> transponders(const QString &satellite) const;

    const SateliteParams *findSatelite(const QString &name) const;
    // Id 0 names no satellite: it is what every satellite without an id of
    // its own carries. A satellite's own id first, then its other ids.
    const SateliteParams *findSateliteById(quint32 satId) const;
    const TransponderItem *findTransponder(const QString &satellite, quint32 transponder) const;
    // The transponder nearest to the frequency, at most 4 MHz off (an exact
    // match first; of equally near rows the earlier), of the polarisation
    // given.
    const TransponderItem *findTransponderByFrequency(const QString &satellite, quint32 frequency,
                                                      bool horizontal) const;
    // As above, of either polarisation.
    const TransponderItem *findTransponderNear(const QString &satellite, quint32 frequency) const;

    bool operator==(const SatelliteCatalogue &other) const
    {
        return bySatellite == other.bySatellite && params == other.params && alsoNamed == other.alsoNamed;
    }
    bool operator!=(const SatelliteCatalogue &other) const { return !(*this == other); }

private:
    // horizontal: 0 vertical, 1 horizontal, -1 either.
    const TransponderItem *nearest(const QString &satellite, quint32 frequency, int horizontal) const;

    Transponders bySatellite;
    QVector<SateliteParams> params;
    OtherIds alsoNamed;
};

// How the catalogue is shared: the data in use are replaced as a whole when
// new ones arrive, never changed in place.
using SharedCatalogue = std::shared_ptr<const SatelliteCatalogue>;

// Where a reader that outlives one data set gets the data in use when it asks
// (null or an empty catalogue: none).
using CatalogueSource = std::function<SharedCatalogue()>;
