#pragma once

#include "SatelliteCatalogue.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <cstdlib>
#include <optional>

class SatelliteIdTable;

// A dish points at an orbital position, not at a spacecraft: the satellite
// data list positions. The rule that makes positions of spacecraft (the
// built-in data's generator in tools/satellites follows it too), and how a
// position answers to the ids of the spacecraft it was made of, which
// switches in the field still hold.
class OrbitalPositions
{
    Q_DECLARE_TR_FUNCTIONS(OrbitalPositions)

public:
    // Spacecraft at most this far east of a position's west-most one belong
    // to it (tenths of a degree): 28.2E and 28.5E are one position.
    static constexpr int groupWidth = 4;
    // Rows of one polarisation this close are one transponder (MHz).
    static constexpr quint32 sameFrequency = 1;

    // The position a name ends in ("Astra 1KR 19.2E"), in tenths of a degree
    // east, west negative.
    static std::optional<int> position(const QString &name);
    static QString positionText(int tenths);
    // The words before the first one with a digit ("Astra 1KR" -> "Astra";
    // "Nilesat101+102" -> "Nilesat").
    static QString family(const QString &name);

    // One satellite per position: named by the family whose spacecraft list
    // the most transponders and the west-most position; the union of the
    // rows, renumbered; sent with the lowest id, answering to the others.
    static SatelliteCatalogue group(const SatelliteCatalogue &spacecraft);

    // Whether a dish sees the two as one orbital position: at most a
    // position's width apart, on either side. Data sets place a spacecraft a
    // tenth or two apart (a receiver's 36.0E is the scan tables' 35.9E), so
    // every look-up of a position asks here; only the grouping, which starts
    // from a position's west-most spacecraft, looks east alone.
    static bool samePosition(int a, int b) { return std::abs(a - b) <= groupWidth; }
    // The same for the positions two names end in; false when one has none.
    static bool samePosition(const QString &a, const QString &b);

    // A satellite or an id table's line: where it lies (none for a name
    // without a position) and its id.
    struct Place
    {
        std::optional<int> tenths;
        quint32 id = 0;
    };
    static Place place(const QString &name, quint32 id);
    // The index of the place nearest to `tenths` of those at the same
    // position; of equally near ones the lowest id (0, none, after all
    // others), then the first; -1 when none is there.
    static int nearest(int tenths, const QVector<Place> &places);

    // The data with every id of the table that no satellite of theirs
    // carries given to their satellite nearest to that id's position.
    static SatelliteCatalogue withTableIds(const SatelliteCatalogue &data, const SatelliteIdTable &table);
    // The data's satellite nearest to the position `name` ends in (a plan
    // made with spacecraft names or with other data); empty when none is
    // there.
    static QString satelliteAt(const SatelliteCatalogue &data, const QString &name);
    // A plan's satellites that the data list by their position under
    // another name take that name; what the user is told, or empty.
    static QString movePlan(QString &lnb1, QString &lnb2, const SatelliteCatalogue &data);
};
