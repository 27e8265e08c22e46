#pragma once

#include "model/Polarisation.h"
#include "model/TransponderItem.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <map>

// What one import may hold at most: more is refused as a whole (as a
// download's limits).
struct ImportLimits
{
    qint64 fileBytes = 16 * 1024 * 1024;
    int files = 2000;
    int spacecraft = 2000;
    int rowsPerSpacecraft = 500;
    int rows = 200000;
    int nameCharacters = 64;
};

// The transponders an imported file lists, per spacecraft, as the readers of
// the receivers' and the scan tables' formats find them: the Ku-band rows a
// universal LNB receives, each frequency and polarisation once, in file
// order. Bounded like a download, so that a hostile file can neither fill
// the memory nor make names no window can show.
class ImportRows
{
    Q_DECLARE_TR_FUNCTIONS(ImportRows)

public:
    using Limits = ImportLimits;
    using Spacecraft = std::map<QString, QVector<TransponderItem>>;

    explicit ImportRows(const Limits &limits = Limits()) : limits(limits) {}

    // Starts a spacecraft; one already read keeps its rows (the first file or
    // entry of a name wins). Empty, or why the file is refused.
    QString begin(const QString &name);
    // A row of the spacecraft begun last, the frequency in kHz; rows outside
    // the Ku band are skipped. Empty, or why the file is refused.
    QString add(qint64 kHz, Polarisation polarisation);
    // The spacecraft with at least one row.
    Spacecraft result() const;
    const Limits &bounds() const { return limits; }

private:
    Limits limits;
    Spacecraft spacecraft;
    QVector<TransponderItem> *current = nullptr;
    int rows = 0;
};
