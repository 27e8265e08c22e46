#pragma once

#include "SiteEntry.h"

#include <QString>
#include <QVector>

// The switches of one building, in the installer's order, with the site's
// name and a free note (address, access). A value: the window and the tool
// read a site file into one, change it and hand it back to be written.
class Site
{
public:
    QString name;
    QString note;
    QVector<SiteEntry> entries;

    // The index of the entry with this label, or -1.
    int indexOfLabel(const QString &label) const;
    // The index of the stored entry with this serial number, or -1; an empty
    // serial number matches nothing.
    int indexOfSerial(const QString &serial) const;
    // The labels of the entries that have no serial number yet, in order.
    QStringList labelsWithoutSerial() const;

    friend bool operator==(const Site &a, const Site &b)
    {
        return a.name == b.name && a.note == b.note && a.entries == b.entries;
    }
    friend bool operator!=(const Site &a, const Site &b) { return !(a == b); }
};
