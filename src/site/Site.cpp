#include "Site.h"

#include <QStringList>

int Site::indexOfLabel(const QString &label) const
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).label == label)
            return i;
    }
    return -1;
}

int Site::indexOfSerial(const QString &serial) const
{
    if (serial.isEmpty())
        return -1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).serial == serial)
            return i;
    }
    return -1;
}

QStringList Site::labelsWithoutSerial() const
{
    QStringList labels;
    for (const SiteEntry &entry : entries) {
        if (entry.serial.isEmpty())
            labels << entry.label;
    }
    return labels;
}
