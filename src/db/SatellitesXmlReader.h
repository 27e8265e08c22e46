#pragma once

#include "ImportRows.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// A receiver's satellites.xml: <satellites> holding <sat name position>
// elements (position in tenths of a degree east, west negative) with
// <transponder frequency polarization> rows (frequency in Hz or kHz;
// polarisation 0 horizontal, 1 vertical, 2 left, 3 right). A document type
// declaration is refused: no entity is ever expanded.
class SatellitesXmlReader
{
    Q_DECLARE_TR_FUNCTIONS(SatellitesXmlReader)

public:
    // Whether the bytes look like XML at all (the choice between the formats).
    static bool looksLikeXml(const QByteArray &text);
    // The spacecraft's name: the file's without the position it may carry,
    // then the position as the scan tables write it ("Astra 1KR/1L 19.2E").
    static QString spacecraftName(const QString &name, int tenths);
    // Adds the file's rows to `rows`; empty, or why the file is refused.
    static QString read(const QByteArray &text, ImportRows &rows);

private:
    static QString neitherMessage();
};
