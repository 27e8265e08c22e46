#include "SheetCommand.h"

#include "CommandContext.h"
#include "CommandLineTool.h"
#include "SiteStore.h"
#include "ToolArguments.h"
#include "db/SatelliteSource.h"
#include "sheet/InstallationSheet.h"
#include "sheet/SiteSheet.h"
#include "site/SitePlan.h"

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

int SheetCommand::runSite(const ToolArguments &a)
{
    const QString path = QFileInfo(a.files.at(0)).absoluteFilePath();
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        context.output.note(SiteSheet::pictureRefusedMessage());
        return CommandLineTool::Failure;
    }
    Site site;
    if (!SiteStore(context, a.site).read(site) || !context.loadData())
        return CommandLineTool::Failure;
    const SharedCatalogue data = context.data.catalogue();
    const OwnTransponders own = context.data.ownTransponders();
    const QDate today = QDate::currentDate();
    QVector<SheetContent> sheets;
    for (const SiteEntry &entry : qAsConst(site.entries)) {
        BandPlan plan;
        try {
            plan = SitePlan::decode(entry);
        } catch (const std::exception &e) {
            context.output.note(QString::fromUtf8(e.what()));
            return CommandLineTool::Failure;
        }
        // As the window shows a loaded plan.
        context.meetData(plan);
        sheets << SiteSheet::content(entry, plan, data ? *data : SatelliteCatalogue(), today, own);
    }
    QString error;
    if (SiteSheet::savePdf(path, site, sheets, &error))
        return CommandLineTool::Success;
    context.output.note(error);
    return CommandLineTool::Failure;
}
