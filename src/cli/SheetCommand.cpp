#include "SheetCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "db/SatelliteSource.h"
#include "sheet/InstallationSheet.h"

#include <QFileInfo>

SheetCommand::SheetCommand(CommandContext &context) : context(context) {}

int SheetCommand::run(const ToolArguments &a)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.loadData())
        return CommandLineTool::Failure;
    // As the window shows a loaded plan.
    context.meetData(plan);
    InstallationSheet sheet([this] { return context.data.source()->catalogue(); }, &QDate::currentDate,
                            nullptr, [this] { return context.data.source()->ownTransponders(); });
    sheet.setPlan(plan);
    QObject::connect(&sheet, &InstallationSheet::errorOccured, &sheet,
                     [this](const QString &message) { context.output.note(message); });
    const QString path = QFileInfo(a.files.at(1)).absoluteFilePath();
    const bool picture = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool saved = picture ? sheet.savePicture(path) : sheet.savePdf(path);
    return saved ? CommandLineTool::Success : CommandLineTool::Failure;
}
