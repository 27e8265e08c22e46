#pragma once

#include "SatelliteCatalogue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// A transponder the user entered by hand for a satellite, tied to the
// satellite's name as the lists show it.
struct OwnTransponder
{
    QString satellite;
    quint32 frequency = 0; // MHz
    Polarisation polarisation;

    bool operator==(const OwnTransponder &o) const
    {
        return satellite == o.satellite && frequency == o.frequency && polarisation == o.polarisation;
    }
};

// The user's own transponders and the rule by which they join every data set
// the program takes in: each is added to the satellite of its name, unless
// the data already hold it, with the next free number of that satellite.
// Code words carry the satellite's id and the frequency, not the number, so a
// plan read back from a switch finds the own transponder by its frequency and
// polarisation like any other.
class OwnTransponders
{
    Q_DECLARE_TR_FUNCTIONS(OwnTransponders)

public:
    static constexpr quint32 lowestFrequency = 10700;
    static constexpr quint32 highestFrequency = 12750;
    // Bounds of the per-user file: it is outside input like any other.
    static constexpr int maxEntries = 1000;
    static constexpr int maxNameLength = 200;
    static constexpr qint64 maxFileBytes = 256 * 1024;

    const QVector<OwnTransponder> &entries() const { return list; }
    bool isEmpty() const { return list.isEmpty(); }

    // The file's text; false with the reason (and the line) for anything
    // that is not such a file, and `result` untouched.
    static bool fromText(const QByteArray &text, OwnTransponders *result, QString *reason);
    QByteArray toText() const;

    // Why the transponder cannot join the satellite data in use; empty when
    // it can.
    QString refusal(const SatelliteCatalogue &data, const OwnTransponder &transponder) const;
    // False when it is there already (within 1 MHz, same polarisation bit).
    bool add(const OwnTransponder &transponder);
    // False when there is no such entry.
    bool remove(const OwnTransponder &transponder);

    // The data with the own transponders added: the one merge every data
    // set goes through (server, cache, built in, imported).
    SatelliteCatalogue addTo(const SatelliteCatalogue &data) const;
    // Whether the satellite's row is one of these.
    bool isOwn(const QString &satellite, const TransponderItem &item) const;

    // "(own)": the mark as a column of its own, as the tool lists it.
    static QString ownMark();
    // "11900 H (own)": how lists and printouts mark one after its text.
    static QString withOwnMark(const QString &text);

    // Why an entry is refused, as the window, the tool and the file say it.
    static QString frequencyMessage();
    static QString polarisationMessage();
    static QString listedTwiceMessage();

    bool operator==(const OwnTransponders &o) const { return list == o.list; }

private:
    // Same satellite, at most 1 MHz apart, received alike.
    static bool sameTransponder(quint32 frequency, Polarisation polarisation, const TransponderItem &item);
    static bool sameTransponder(const OwnTransponder &a, const OwnTransponder &b);
    static QString checkEntry(const OwnTransponder &entry);

    QVector<OwnTransponder> list;
};
