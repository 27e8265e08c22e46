#pragma once

#include <QCoreApplication>
#include <QString>

class CommandContext;
struct ToolArguments;

// "fenzo_cli satellites [NAME]": where the satellite data come from and their
// satellites, or the transponders of one satellite.
class SatellitesCommand
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    explicit SatellitesCommand(CommandContext &context);

    int listSatellites();
    // "satellites NAME": the transponders a plan can use on that satellite.
    int listTransponders(const QString &name);

private:
    CommandContext &context;
};
