#pragma once

#include "SatelliteCatalogue.h"

#include <QCoreApplication>
#include <QString>

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
    // The data with every id of the table that no satellite of theirs
    // carries given to the satellite at that id's position, if exactly one.
    static SatelliteCatalogue withTableIds(const SatelliteCatalogue &data, const SatelliteIdTable &table);
    // The data's satellite at the position `name` ends in (a plan made with
    // spacecraft names); empty when none or several are there.
    static QString satelliteAt(const SatelliteCatalogue &data, const QString &name);
    // A plan's satellites that the data list by their position under
    // another name take that name; what the user is told, or empty.
    static QString movePlan(QString &lnb1, QString &lnb2, const SatelliteCatalogue &data);
    // Whether the two names are of one position (the table's and the data's
    // name of a merged spacecraft).
    static bool samePosition(const QString &a, const QString &b);
};
