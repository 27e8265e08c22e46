#include "ToolSatelliteData.h"

#include "model/BandRules.h"
#include "model/NoSatelliteData.h"
#include "model/SettingsFile.h"
#include "service/PlanPreparation.h"
#include "service/SatelliteData.h"

#include <QEventLoop>

#include <exception>

ToolSatelliteData::ToolSatelliteData(const Environment &environment) : environment(environment) {}

ToolSatelliteData::~ToolSatelliteData() = default;

bool ToolSatelliteData::load(QStringList *messages)
{
    if (satellites)
        return true;
    auto data = std::make_unique<SatelliteData>(environment);
    // The window's messages: the warnings go on, the failure ends the
    // command. They arise only while the download is taken in: the
    // connections end with this load.
    QObject during;
    QObject::connect(data.get(), &SatelliteData::savedDataOutdated, &during,
                     [messages] { *messages << outdatedDataMessage(); });
    QObject::connect(data.get(), &SatelliteData::warning, &during,
                     [messages](const QString &message) { *messages << message; });
    // On a worker with the window's deadline: the driver's time-outs alone
    // let a server that trickles hold the tool for minutes.
    SatelliteData::Download result;
    QEventLoop wait;
    QObject::connect(data.get(), &SatelliteData::downloadFinished, &wait,
                     [&](const SatelliteData::Download &finished) {
                         result = finished;
                         wait.quit();
                     });
    data->startDownload();
    wait.exec();
    try {
        data->take(result);
    } catch (const std::exception &) {
        *messages << data->withFailureReason(databaseMissingMessage());
        return false;
    }
    // A damaged file of own transponders adds none; the rest goes on.
    if (!data->ownTransponderProblem().isEmpty())
        *messages << data->ownTransponderProblem();
    satellites = std::move(data);
    return true;
}

const SatelliteSource *ToolSatelliteData::source() const
{
    return satellites ? &satellites->source() : nullptr;
}

SharedCatalogue ToolSatelliteData::catalogue() const
{
    return satellites ? satellites->catalogue() : nullptr;
}

const OwnTransponders &ToolSatelliteData::ownTransponders() const
{
    return satellites->ownTransponders();
}

QString ToolSatelliteData::importFrom(const QString &path) const
{
    // The import is kept beside the offline data; whether it is used then
    // follows the usual order (a server that answers comes first).
    return SatelliteData(environment).importFrom(path);
}

QStringList ToolSatelliteData::startPair() const
{
    return satellites->startPair();
}

QString ToolSatelliteData::databaseMissingMessage()
{
    return tr("Couldn't connect to database. Please check your internet connection and the server "
              "(fenzo_cli server).");
}

QString ToolSatelliteData::outdatedDataMessage()
{
    return tr("Offline data for satelites older than 1 month. Please check your internet connection and the "
              "server (fenzo_cli server); every command downloads the data anew.");
}

bool ToolSatelliteData::loadPlan(const QString &path, BandPlan &plan, QString *why)
{
    try {
        plan = SettingsFile::read(path);
        BandRules::applyStandByRule(plan);
        return true;
    } catch (const std::exception &e) {
        *why = QString::fromUtf8(e.what());
        return false;
    }
}

bool ToolSatelliteData::writePlan(const QString &path, const BandPlan &plan, QString *why)
{
    try {
        SettingsFile::write(path, plan);
        return true;
    } catch (const std::exception &e) {
        *why = QString::fromUtf8(e.what());
        return false;
    }
}

bool ToolSatelliteData::checkPlan(const BandPlan &plan, QStringList *messages)
{
    // Before any data are loaded: the plan as the file holds it.
    const PlanCheck check = PlanPreparation(nullptr).judge(plan).check;
    *messages << check.messages();
    return check.passed();
}

PlanVerdict ToolSatelliteData::prepare(const BandPlan &plan) const
{
    return PlanPreparation(catalogue()).prepare(plan);
}

QStringList ToolSatelliteData::notes(const PlanVerdict &verdict)
{
    QStringList notes;
    if (!verdict.moved.isEmpty())
        notes << verdict.moved;
    if (!verdict.match.missing.isEmpty())
        notes << tr("UBs whose transponder is not in the satellite data: %1.")
                     .arg(UBRecord::displayNames(verdict.match.missing));
    if (!verdict.match.renumbered.isEmpty())
        notes << verdict.match.renumberedText();
    return notes + verdict.match.polarisationNotes;
}

bool ToolSatelliteData::checkWords(const PlanVerdict &verdict, QStringList *messages)
{
    // The transfer checks again; this only spares the switch a backup for
    // nothing (and workshop mode a refusal per switch).
    if (verdict.noData) {
        *messages << QString::fromUtf8(NoSatelliteData().what());
        return false;
    }
    // The heading, then one line per refusal: a refusal may name a
    // satellite, whose name must not make lines of its own.
    if (!verdict.words.sendable()) {
        const QString message = verdict.words.message();
        *messages << message.left(message.indexOf(QLatin1Char('\n'))) << verdict.words.refusals();
    }
    return verdict.words.sendable();
}

QString ToolSatelliteData::numberingNote() const
{
    return satellites ? satellites->numberingNote() : QString();
}

QStringList ToolSatelliteData::describe() const
{
    return satellites ? satellites->describe() : QStringList();
}
