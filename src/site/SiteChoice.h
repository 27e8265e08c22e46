#pragma once

#include "Site.h"

#include <QCoreApplication>
#include <QStringList>

// Which entry of a site a switch gets when it is stored: the rules of
// "store --site" and of the workshop mode for a site. Each returns the
// entry's index, or -1 with the refusal in the user's language; a refused
// switch hears nothing.
class SiteChoice
{
    Q_DECLARE_TR_FUNCTIONS(SiteChoice)

public:
    static int byLabel(const Site &site, const QString &label, QString *refusal);
    // The entry that holds the switch's serial number. A switch the site does
    // not know, or one that reports none, is refused with the labels that
    // have no serial number yet.
    static int bySerial(const Site &site, const QString &serial, QString *refusal);
    // The entry with the switch's serial number, else the first entry without
    // one that is not `taken` (in this run), in the site's order.
    static int nextFree(const Site &site, const QString &serial, const QStringList &taken, QString *refusal);

private:
    static QString labelList(const QStringList &labels);
};
