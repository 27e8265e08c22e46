#pragma once

#include "TransponderListModel.h"
#include "model/OwnTransponders.h"
#include "model/SatelliteCatalogue.h"

#include <QObject>
#include <QString>

#include <map>

// The transponder lists of one data set, one per satellite, each made on
// first use and kept until the data set is replaced (and this object with it).
class TransponderLists : public QObject
{
    Q_OBJECT

public:
    // own: the user's transponders, marked in the lists.
    explicit TransponderLists(SharedCatalogue catalogue, QObject *parent = nullptr,
                              OwnTransponders own = OwnTransponders());

    const SharedCatalogue &catalogue() const { return data; }
    // The list of a satellite; null for a name the data do not hold.
    Q_INVOKABLE TransponderListModel *forSatellite(const QString &name);

private:
    SharedCatalogue data;
    OwnTransponders own;
    std::map<QString, TransponderListModel *> lists;
};
