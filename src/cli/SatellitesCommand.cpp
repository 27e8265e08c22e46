#include "SatellitesCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "db/SatelliteSource.h"
#include "model/OwnTransponders.h"
#include "model/SwitchSatellites.h"

SatellitesCommand::SatellitesCommand(CommandContext &context) : context(context) {}

int SatellitesCommand::listSatellites()
{
    if (!context.loadData())
        return CommandLineTool::Failure;
    // Whoever has just set a server wants to know why its data are not used.
    const QString serverFailure = context.data.source()->serverFailureText();
    if (!serverFailure.isEmpty())
        context.output.note(serverFailure);
    QString origin = context.data.source()->originText();
    if (context.data.source()->source() == SatelliteSource::Source::Server)
        origin += QStringLiteral(", ") +
                  (context.data.source()->encrypted() ? tr("encrypted (TLS)") : tr("not encrypted"));
    context.output.line(origin);
    const SharedCatalogue data = context.data.source()->catalogue();
    for (const QString &name : data->satelliteNames()) {
        const SateliteParams *params = data->findSatelite(name);
        // A name is the server's or a file's: it never makes a line or a
        // column of its own.
        QStringList columns{name, QString::number(params ? params->satId : 0u),
                            QString::number(data->transponders(name).size())};
        if (!SwitchSatellites::canCarry(*data, name))
            columns << SwitchSatellites::dynamicOnlyMark();
        context.output.fields(columns);
    }
    return CommandLineTool::Success;
}

int SatellitesCommand::listTransponders(const QString &name)
{
    if (!context.loadData())
        return CommandLineTool::Failure;
    const SharedCatalogue data = context.data.source()->catalogue();
    if (!data->findSatelite(name)) {
        context.output.note(
            tr("The satellite data hold no satellite named %1. \"fenzo_cli satellites\" lists them.")
                .arg(name));
        return CommandLineTool::Failure;
    }
    const OwnTransponders &own = context.data.source()->ownTransponders();
    for (const TransponderItem &item : data->transponders(name)) {
        QStringList columns{QString::number(item.transponder), QString::number(item.frequency),
                            item.polarisation.letter()};
        if (own.isOwn(name, item))
            columns << OwnTransponders::ownMark();
        context.output.fields(columns);
    }
    return CommandLineTool::Success;
}
