#pragma once

#include "ToolOutput.h"

#include <QCoreApplication>
#include <QStringList>

class Site;
class SiteChange;

// "fenzo_cli site list|add|remove|export|name|note": a site file (the
// switches of one building) from a shell. Every change is merged into the
// file as it is at that moment, so the window may have it open meanwhile.
class SiteCommand
{
    Q_DECLARE_TR_FUNCTIONS(SiteCommand)

public:
    explicit SiteCommand(ToolOutput &output);

    // The commands' lines for "fenzo_cli --help".
    static QString usage();

    // The arguments after "site"; 0 on success, 2 on failure.
    int run(const QStringList &arguments);

private:
    int list(const QString &path);
    int add(const QString &path, const QString &label, const QString &planPath);
    int remove(const QString &path, const QString &label);
    int exportPlan(const QString &path, const QString &label, const QString &outPath);
    int apply(const QString &path, const SiteChange &change);
    // Reads the site and finds the entry; says why not on the way out.
    bool readEntry(const QString &path, const QString &label, Site *site, int *index);

    ToolOutput &output;
};
