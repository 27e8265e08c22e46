#pragma once

#include "ToolOutput.h"
#include "model/OwnTransponders.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class SatelliteData;

// "fenzo_cli transponder add|list|remove": the user's own transponders from
// a shell, kept in the same file as the window's.
class OwnTransponderCommand
{
    Q_DECLARE_TR_FUNCTIONS(OwnTransponderCommand)

public:
    // The satellite data in use, own transponders included; null when there
    // are none (the loader has said why).
    using DataLoader = std::function<SatelliteData *()>;

    OwnTransponderCommand(ToolOutput &output, QString path, DataLoader data);

    // The commands' lines for "fenzo_cli --help".
    static QString usage();

    // The arguments after "transponder"; 0 on success, 2 on failure.
    int run(const QStringList &arguments);

private:
    int add(const OwnTransponder &entry);
    int list();
    int remove(const OwnTransponder &entry);
    bool parse(const QStringList &arguments, OwnTransponder *entry);
    bool load(OwnTransponders *own);
    bool save(const OwnTransponders &own);

    ToolOutput &output;
    QString path;
    DataLoader data;
};
