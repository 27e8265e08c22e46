#pragma once

#include "model/OwnTransponders.h"

#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What an installer sends when something goes wrong: the facts gathered by
// the window or the tool, as one text with translated headings.
class SupportReport
{
    Q_DECLARE_TR_FUNCTIONS(SupportReport)

public:
    struct Facts
    {
        // Program, Qt and system; filled by running().
        QString program;
        QString qt;
        QString system;
        // Where the satellite data come from and their date, a line each.
        QStringList satelliteData;
        // The serial ports seen, and why those that may be the switch cannot
        // be used (a line per port).
        QStringList ports;
        QStringList portProblems;
        // The switch's serial number; empty when none answered.
        QString switchId;
        // The open site's file and the entry of the switch (where it hangs);
        // empty when none. Never the site's note: it may hold a customer's
        // address.
        QString siteFile;
        QString siteEntry;
        // The window's plan; the tool has none.
        bool hasPlan = false;
        BandPlan plan;
        // The user's own transponders, marked in the plan's lines.
        OwnTransponders own;
        // The recent log lines, oldest first.
        QStringList log;
        // Never written: masked wherever they occur in the gathered facts
        // (in log lines after their category). The database password goes here.
        QStringList secrets;
    };

    // Program, Qt and system versions of this process; the rest empty.
    static Facts running();
    static QString text(const Facts &facts);
    // Writes the report whole or not at all; false and `reason` (the
    // system's words) when it could not be written.
    static bool save(const QString &path, const Facts &facts, QString *reason);
    // The message when save() failed.
    static QString saveFailure(const QString &path, const QString &reason);

private:
    static QStringList planLines(const BandPlan &plan, const OwnTransponders &own);
};
