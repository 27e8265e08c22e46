#pragma once

#include "model/SateliteParams.h"
#include "model/SatelliteIdTable.h"
#include "model/TransponderItem.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <map>

// The satellite data compiled into the program: made at build time from the
// DVB-S scan tables of Debian's dtv-scan-tables package by the same generator
// as the development database, so that a program with neither server nor
// offline cache still knows real satellites.
class BuiltInSatellites
{
public:
    struct Data
    {
        // Transponders per satellite name, in table order; empty when the
        // program was built without data or the file cannot be read.
        std::map<QString, QVector<TransponderItem>> items;
        // One summary per satellite, in name order.
        QVector<SateliteParams> params;
        // The date of the scan tables the data were made from.
        QDate date;
        // Why there are no data (empty when there are).
        QString reason;
    };

    // The resource the build compiles in.
    static QString defaultPath();
    // Reads a built-in data file.
    static Data load(const QString &path = defaultPath());

    // The committed satellite id table the build compiles in (apart from the
    // data, and there also in a program built without them).
    static QString idTablePath();
    // Empty when the file cannot be read.
    static SatelliteIdTable idTable(const QString &path = idTablePath());

private:
    static QString noDataMessage();
};
