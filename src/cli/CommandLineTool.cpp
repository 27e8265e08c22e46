#include "CommandLineTool.h"
#include "DiffCommand.h"
#include "HelpText.h"
#include "ListCommand.h"
#include "OwnTransponderCommand.h"
#include "ReadCommand.h"
#include "RestoreCommand.h"
#include "ToolArguments.h"
#include "TransferCommand.h"

#include "db/BuiltInSatellites.h"

#include "db/OwnTransponderFile.h"
#include "db/SatelliteSource.h"
#include "db/ServerSettings.h"
#include "device/DeviceTransfers.h"
#include "device/PlanWords.h"
#include "device/SerialPortHandler.h"
#include "io/LogRing.h"
#include "io/PrintableText.h"
#include "model/BandRules.h"
#include "model/OrbitalPositions.h"
#include "model/PlanCheck.h"
#include "model/PlanComparison.h"
#include "model/SettingsFile.h"
#include "model/SwitchSatellites.h"
#include "model/UBDataModel.h"
#include "report/SupportReport.h"
#include "sheet/InstallationSheet.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

CommandLineTool::CommandLineTool(QTextStream &out, QTextStream &err, Environment environment, QObject *parent)
    : QObject(parent), output(out, err), environment(std::move(environment)),
      context(output, this->environment),
      workshop(context, [this](const QString &line) { emit switchHandled(line); })
{
}

void CommandLineTool::setLog(const LogRing *ring)
{
    context.log = ring;
}

CommandLineTool::~CommandLineTool() = default;

void CommandLineTool::stop()
{
    workshop.stop();
}

bool CommandLineTool::waitsForInterrupt(const QStringList &arguments)
{
    const ToolArguments a = ToolArguments::parse(arguments);
    return a.command == QLatin1String("store") && a.each && !a.help;
}

bool CommandLineTool::needsGui(const QStringList &arguments)
{
    return ToolArguments::parse(arguments).command == QLatin1String("sheet");
}

int CommandLineTool::run(const QStringList &arguments)
{
    const ToolArguments a = ToolArguments::parse(arguments);
    if (a.help)
        return help();
    if (!a.unknown.isEmpty()) {
        output.note(tr("Unknown option %1. \"fenzo_cli --help\" lists the commands.").arg(a.unknown));
        return Failure;
    }
    if (a.reset && a.command != QLatin1String("server")) {
        output.note(
            tr("Unknown option %1. \"fenzo_cli --help\" lists the commands.").arg(QStringLiteral("--reset")));
        return Failure;
    }
    if ((a.caGiven || !a.tls.isEmpty()) && a.command != QLatin1String("server")) {
        output.note(tr("Unknown option %1. \"fenzo_cli --help\" lists the commands.")
                        .arg(a.caGiven ? QStringLiteral("--ca") : a.tls));
        return Failure;
    }
    if (a.importGiven && a.command != QLatin1String("satellites")) {
        output.note(tr("Unknown option %1. \"fenzo_cli --help\" lists the commands.")
                        .arg(QStringLiteral("--import")));
        return Failure;
    }
    if (a.portMissing) {
        output.note(tr("--port needs the switch's port, for example /dev/ttyACM0."));
        return Failure;
    }
    const auto wants = [&](int files) {
        if (a.files.size() == files)
            return true;
        output.note(tr("Wrong number of file names. \"fenzo_cli --help\" lists the commands."));
        return false;
    };
    if (a.command == QLatin1String("list"))
        return wants(0) ? ListCommand(context).run() : int(Failure);
    if (a.command == QLatin1String("read"))
        return wants(1) ? ReadCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("diff"))
        return wants(1) ? DiffCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("test"))
        return wants(1) ? TransferCommand(context).run(a, false) : int(Failure);
    if (a.command == QLatin1String("store") && a.each)
        return wants(1) ? workshop.run(a) : int(Failure);
    if (a.command == QLatin1String("store"))
        return wants(1) ? TransferCommand(context).run(a, true) : int(Failure);
    if (a.command == QLatin1String("restore"))
        return wants(1) ? RestoreCommand(context).run(a) : int(Failure);
    if (a.command == QLatin1String("server"))
        return wants(a.reset || a.files.isEmpty() ? 0 : 1) ? server(a) : int(Failure);
    if (a.command == QLatin1String("sheet"))
        return wants(2) ? sheet(a) : int(Failure);
    if (a.command == QLatin1String("satellites") && a.importGiven)
        return wants(0) ? importSatellites(a.import) : int(Failure);
    if (a.command == QLatin1String("satellites") && a.files.size() == 1)
        return listTransponders(a.files.constFirst());
    if (a.command == QLatin1String("satellites"))
        return wants(0) ? listSatellites() : int(Failure);
    if (a.command == QLatin1String("transponder"))
        return transponder(a.files);
    if (a.command == QLatin1String("report"))
        return wants(1) ? report(a) : int(Failure);
    if (a.command.isEmpty())
        output.note(tr("No command given. \"fenzo_cli --help\" lists the commands."));
    else
        output.note(tr("Unknown command %1. \"fenzo_cli --help\" lists the commands.").arg(a.command));
    return Failure;
}

int CommandLineTool::help()
{
    output.text(HelpText::text());
    return Success;
}

// ---- Satellite data, plan files ----

int CommandLineTool::listSatellites()
{
    if (!context.loadData())
        return Failure;
    // Whoever has just set a server wants to know why its data are not used.
    const QString serverFailure = context.data.source()->serverFailureText();
    if (!serverFailure.isEmpty())
        output.note(serverFailure);
    QString origin = context.data.source()->originText();
    if (context.data.source()->source() == SatelliteSource::Source::Server)
        origin += QStringLiteral(", ") +
                  (context.data.source()->encrypted() ? tr("encrypted (TLS)") : tr("not encrypted"));
    output.line(origin);
    const SharedCatalogue data = context.data.source()->catalogue();
    for (const QString &name : data->satelliteNames()) {
        const SateliteParams *params = data->findSatelite(name);
        // A name is the server's or a file's: it never makes a line or a
        // column of its own.
        QStringList columns{name, QString::number(params ? params->satId : 0u),
                            QString::number(data->transponders(name).size())};
        if (!SwitchSatellites::canCarry(*data, name))
            columns << SwitchSatellites::dynamicOnlyMark();
        output.fields(columns);
    }
    return Success;
}

int CommandLineTool::listTransponders(const QString &name)
{
    if (!context.loadData())
        return Failure;
    const SharedCatalogue data = context.data.source()->catalogue();
    if (!data->findSatelite(name)) {
        output.note(tr("The satellite data hold no satellite named %1. \"fenzo_cli satellites\" lists them.")
                        .arg(name));
        return Failure;
    }
    const OwnTransponders &own = context.data.source()->ownTransponders();
    for (const TransponderItem &item : data->transponders(name)) {
        QStringList columns{QString::number(item.transponder), QString::number(item.frequency),
                            item.polarisation.letter()};
        if (own.isOwn(name, item))
            columns << OwnTransponders::ownMark();
        output.fields(columns);
    }
    return Success;
}

int CommandLineTool::importSatellites(const QString &path)
{
    const QString refused = context.data.importFrom(path);
    if (!refused.isEmpty()) {
        output.note(refused);
        return Failure;
    }
    return listSatellites();
}

QString CommandLineTool::databaseMissingMessage()
{
    return ToolSatelliteData::databaseMissingMessage();
}

QString CommandLineTool::outdatedDataMessage()
{
    return ToolSatelliteData::outdatedDataMessage();
}

// ---- Finding the switch ----

// ---- The commands ----

int CommandLineTool::sheet(const ToolArguments &a)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.loadData())
        return Failure;
    // As the window shows a loaded plan.
    context.meetData(plan);
    UBDataModel model;
    plan.applyTo(model);
    InstallationSheet sheet(
        &model, [this] { return context.data.source()->catalogue(); }, &QDate::currentDate, nullptr,
        [this] { return context.data.source()->ownTransponders(); });
    connect(&sheet, &InstallationSheet::errorOccured, this,
            [this](const QString &message) { output.note(message); });
    const QString path = QFileInfo(a.files.at(1)).absoluteFilePath();
    const bool picture = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool saved = picture ? sheet.savePicture(path) : sheet.savePdf(path);
    return saved ? Success : Failure;
}

int CommandLineTool::server(const ToolArguments &a)
{
    const ServerSettings settings(environment.serverSettingsFile);
    if (a.reset) {
        const QString why = settings.reset();
        if (!why.isEmpty())
            output.note(why);
        return why.isEmpty() ? Success : Failure;
    }
    SatelliteSource::Connection connection = settings.load();
    if (a.files.isEmpty() && !a.caGiven && a.tls.isEmpty()) {
        output.line(ServerSettings::describe(connection));
        output.line((connection.requireTls ? tr("TLS required") : tr("TLS when offered")) +
                    QStringLiteral(", ") +
                    (connection.caFile.isEmpty() ? tr("certificates from the system's store")
                                                 : tr("certificates from %1").arg(connection.caFile)));
        return Success;
    }
    // A new server with the stored database, user and password.
    QString why;
    if (!a.files.isEmpty()) {
        why = ServerSettings::parseHostPort(a.files.at(0), &connection.hostName, &connection.port);
        connection.requireTls = ServerSettings::tlsRequiredByDefault(connection.hostName);
    }
    if (a.caGiven)
        connection.caFile = a.ca.isEmpty() ? QString() : QFileInfo(a.ca).absoluteFilePath();
    if (!a.tls.isEmpty())
        connection.requireTls = a.tls == QLatin1String("--require-tls");
    if (why.isEmpty())
        why = settings.save(connection);
    if (!why.isEmpty()) {
        output.note(why);
        return Failure;
    }
    return Success;
}

// ---- The support report ----

int CommandLineTool::transponder(const QStringList &arguments)
{
    OwnTransponderCommand command(output, OwnTransponderFile::pathIn(environment.cacheDirectory), [this] {
        return context.loadData() ? context.data.source()->catalogue() : SharedCatalogue();
    });
    return command.run(arguments);
}

int CommandLineTool::report(const ToolArguments &a)
{
    // Whatever can be gathered goes in: missing data or no switch are facts
    // of the report, not failures of the command.
    SupportReport::Facts facts = SupportReport::running();
    facts.secrets << environment.connection.password;
    context.loadData();
    facts.satelliteData = context.data.describe();
    try {
        for (const SerialPortCandidate &candidate : environment.portLister())
            facts.ports << SupportReport::portLine(candidate);
    } catch (const std::exception &e) {
        facts.ports << QString::fromUtf8(e.what());
    }
    if (context.data.source()) {
        QStringList found;
        QStringList portProblems;
        for (const auto &connected : context.findSwitches(a.port, &portProblems))
            found << QDir::toNativeSeparators(connected->port) + QLatin1Char('\t') +
                         connected->device->serialNumber();
        facts.switchId = found.join(QLatin1Char('\n'));
        facts.portProblems = portProblems;
    }
    if (context.log)
        facts.log = context.log->lines();
    QString reason;
    const QString path = a.files.at(0);
    if (!SupportReport::save(path, facts, &reason)) {
        output.note(SupportReport::saveFailure(path, reason));
        return Failure;
    }
    return Success;
}
