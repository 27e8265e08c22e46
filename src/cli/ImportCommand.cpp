#include "ImportCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "SatellitesCommand.h"

ImportCommand::ImportCommand(CommandContext &context) : context(context) {}

int ImportCommand::run(const QString &path)
{
    const QString refused = context.data.importFrom(path);
    if (!refused.isEmpty()) {
        context.output.note(refused);
        return CommandLineTool::Failure;
    }
    return SatellitesCommand(context).listSatellites();
}
