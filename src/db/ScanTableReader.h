#pragma once

#include "ImportRows.h"

#include <QByteArray>
#include <QString>

// One file of the dvb-s scan tables (Debian's dtv-scan-tables): the
// transponders of one spacecraft, named after the file ("Hotbird-13B-13.0E"
// is "Hotbird 13B 13.0E"). Both forms are read: blocks of "FREQUENCY = kHz"
// and "POLARIZATION = HORIZONTAL" lines, and the old one-line "S kHz H ..."
// rows.
class ScanTableReader
{
public:
    // The spacecraft's name from the file's.
    static QString spacecraftName(const QString &fileName);
    // Adds the file's rows to `rows`; empty, or why the file is refused.
    static QString read(const QByteArray &text, const QString &spacecraft, ImportRows &rows);
};
