#include "CommandLineTool.h"
#include "HelpText.h"
#include "OwnTransponderCommand.h"
#include "ToolArguments.h"

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

struct CommandLineTool::Connected
{
    QString port;
    std::unique_ptr<SerialPortHandler> device;
    std::unique_ptr<DeviceTransfers> transfers;
};

CommandLineTool::CommandLineTool(QTextStream &out, QTextStream &err, Environment environment, QObject *parent)
    : QObject(parent), output(out, err), environment(std::move(environment))
{
}

CommandLineTool::~CommandLineTool()
{
    // The device links point at the satellite data: they go first.
    workshopSwitches.clear();
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
        return wants(0) ? list() : int(Failure);
    if (a.command == QLatin1String("read"))
        return wants(1) ? read(a) : int(Failure);
    if (a.command == QLatin1String("diff"))
        return wants(1) ? diff(a) : int(Failure);
    if (a.command == QLatin1String("test"))
        return wants(1) ? transfer(a, false) : int(Failure);
    if (a.command == QLatin1String("store") && a.each)
        return wants(1) ? storeEach(a) : int(Failure);
    if (a.command == QLatin1String("store"))
        return wants(1) ? transfer(a, true) : int(Failure);
    if (a.command == QLatin1String("restore"))
        return wants(1) ? restore(a) : int(Failure);
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

bool CommandLineTool::loadSatelliteData()
{
    if (satellites)
        return true;
    auto source = std::make_unique<SatelliteSource>(
        environment.connection, environment.cacheDirectory, environment.clock, environment.builtIn,
        environment.downloadDeadlineMs, environment.downloadProgram);
    // The window's messages: the warnings go on, the failure ends the command.
    connect(source.get(), &SatelliteSource::savedDataOutdated, this,
            [this] { output.note(outdatedDataMessage()); });
    connect(source.get(), &SatelliteSource::downloadBrokenOff, this,
            [this](const QString &reason) { output.note(SatelliteSource::brokenOffWarning(reason)); });
    connect(source.get(), &SatelliteSource::downloadWithoutSatellites, this,
            [this](const QString &message) { output.note(message); });
    connect(source.get(), &SatelliteSource::cacheProblem, this,
            [this](const QString &message) { output.note(message); });
    // On a worker with the window's deadline: the driver's time-outs alone
    // let a server that trickles hold the tool for minutes.
    SatelliteSource::Download result;
    QEventLoop wait;
    connect(source.get(), &SatelliteSource::downloadFinished, &wait,
            [&](const SatelliteSource::Download &finished) {
                result = finished;
                wait.quit();
            });
    source->startDownload();
    wait.exec();
    try {
        source->useDownload(result);
    } catch (const std::exception &) {
        const QString reason = source->failureReason();
        output.note(databaseMissingMessage() + (reason.isEmpty() ? QString() : '\n' + reason));
        return false;
    }
    // A damaged file of own transponders adds none; the rest goes on.
    if (!source->ownTransponderProblem().isEmpty())
        output.note(source->ownTransponderProblem());
    satellites = std::move(source);
    return true;
}

int CommandLineTool::listSatellites()
{
    if (!loadSatelliteData())
        return Failure;
    // Whoever has just set a server wants to know why its data are not used.
    const QString serverFailure = satellites->serverFailureText();
    if (!serverFailure.isEmpty())
        output.note(serverFailure);
    QString origin = satellites->originText();
    if (satellites->source() == SatelliteSource::Source::Server)
        origin +=
            QStringLiteral(", ") + (satellites->encrypted() ? tr("encrypted (TLS)") : tr("not encrypted"));
    output.line(origin);
    const SharedCatalogue data = satellites->catalogue();
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
    if (!loadSatelliteData())
        return Failure;
    const SharedCatalogue data = satellites->catalogue();
    if (!data->findSatelite(name)) {
        output.note(tr("The satellite data hold no satellite named %1. \"fenzo_cli satellites\" lists them.")
                        .arg(name));
        return Failure;
    }
    const OwnTransponders &own = satellites->ownTransponders();
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
    // The import is kept beside the offline data; whether it is used then
    // follows the usual order (a server that answers comes first).
    SatelliteSource source(environment.connection, environment.cacheDirectory, environment.clock,
                           environment.builtIn, environment.downloadDeadlineMs, environment.downloadProgram);
    const QString refused = source.importFrom(path);
    if (!refused.isEmpty()) {
        output.note(refused);
        return Failure;
    }
    return listSatellites();
}

QStringList CommandLineTool::startPair() const
{
    return SwitchSatellites::startPair(*satellites->catalogue(),
                                       satellites->source() == SatelliteSource::Source::BuiltIn);
}

QString CommandLineTool::databaseMissingMessage()
{
    return tr("Couldn't connect to database. Please check your internet connection and the server "
              "(fenzo_cli server).");
}

QString CommandLineTool::outdatedDataMessage()
{
    return tr("Offline data for satelites older than 1 month. Please check your internet connection and the "
              "server (fenzo_cli server); every command downloads the data anew.");
}

bool CommandLineTool::loadPlan(const QString &path, BandPlan &plan)
{
    // The rules "Read from file" keeps (no stand-by with static UBs).
    return output.attempt([&] {
        plan = SettingsFile::read(path);
        BandRules::applyStandByRule(plan);
    });
}

void CommandLineTool::meetData(BandPlan &plan)
{
    const QString moved = OrbitalPositions::movePlan(plan.lnb1, plan.lnb2, *satellites->catalogue());
    if (!moved.isEmpty())
        output.note(moved);
    const BandRules::Match match =
        BandRules::matchToCatalogue(plan.list, plan.lnb1, plan.lnb2, *satellites->catalogue());
    if (!match.missing.isEmpty())
        output.note(tr("UBs whose transponder is not in the satellite data: %1.")
                        .arg(UBRecord::displayNames(match.missing)));
    if (!match.renumbered.isEmpty())
        output.note(tr("UBs whose transponder has another number in the satellite data: %1.")
                        .arg(UBRecord::displayNames(match.renumbered)));
    for (const QString &note : match.polarisationNotes)
        output.note(note);
}

bool CommandLineTool::checkPlan(const BandPlan &plan)
{
    const PlanCheck check = PlanCheck::of(plan.lnb1, plan.lnb2, plan.list);
    for (const QString &message : check.messages())
        output.note(message);
    return check.passed();
}

bool CommandLineTool::checkWords(const BandPlan &plan)
{
    // The transfer checks again; this only spares the switch a backup for
    // nothing (and workshop mode a refusal per switch).
    bool sendable = false;
    return output.attempt([&] {
        const PlanWords words =
            PlanWords::encode(plan.list, plan.lnb1, plan.lnb2, *satellites->catalogue(), [] { return 0u; });
        // The heading, then one line per refusal: a refusal may name a
        // satellite, whose name must not make lines of its own.
        if (!words.sendable()) {
            const QString message = words.message();
            output.note(message.left(message.indexOf(QLatin1Char('\n'))));
            output.notes(words.refusals());
        }
        sendable = words.sendable();
    }) && sendable;
}

bool CommandLineTool::writePlan(const QString &path, const BandPlan &plan)
{
    return output.attempt([&] { SettingsFile::write(path, plan); });
}

// ---- Finding the switch ----

bool CommandLineTool::lookOnce(SerialPortHandler &device)
{
    // The identification runs on the line's reports: this loop carries it.
    // The timer only guards against a look that never ends.
    QEventLoop wait;
    QTimer guard;
    guard.setSingleShot(true);
    bool connected = false;
    connect(&device, &SerialPortHandler::lookEnded, &wait, [&](bool ended) {
        connected = ended;
        wait.quit();
    });
    connect(&guard, &QTimer::timeout, &wait, &QEventLoop::quit);
    guard.start(lookDeadlineMs);
    device.lookNow();
    wait.exec();
    return connected && device.isConnected();
}

std::unique_ptr<CommandLineTool::Connected> CommandLineTool::connectTo(const SerialPortCandidate &candidate,
                                                                       QString *problem)
{
    auto connected = std::make_unique<Connected>();
    connected->port = candidate.portName;
    connected->device =
        std::make_unique<SerialPortHandler>([candidate] { return QList<SerialPortCandidate>{candidate}; },
                                            environment.portOpener, environment.deviceRulePath);
    if (!lookOnce(*connected->device)) {
        // The window's words for a port that cannot be used.
        if (problem)
            *problem = connected->device->portProblem();
        return nullptr;
    }
    connected->transfers = std::make_unique<DeviceTransfers>(
        *connected->device, PlanBackup(environment.backupDirectory, environment.clock), environment.random);
    if (environment.progressOnStandardError) {
        // One line on the terminal, rewritten at each step and cleared at the
        // end; a report that only says the transfer can no longer be
        // cancelled repeats the step and writes nothing.
        DeviceTransfers *const transfers = connected->transfers.get();
        connect(transfers, &DeviceTransfers::progressChanged, this,
                [this, transfers, shown = QString()]() mutable {
                    if (transfers->progress() == shown)
                        return;
                    shown = transfers->progress();
                    output.progress(shown);
                });
    }
    return connected;
}

std::vector<std::unique_ptr<CommandLineTool::Connected>> CommandLineTool::findSwitches(const QString &port)
{
    QList<SerialPortCandidate> candidates;
    if (!port.isEmpty()) {
        candidates << SerialPortCandidate::ofSwitch(port);
    } else {
        output.attempt([&] { candidates = environment.portLister(); });
    }
    std::vector<std::unique_ptr<Connected>> found;
    portProblems.clear();
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch())
            continue;
        QString problem;
        if (auto connected = connectTo(candidate, &problem))
            found.push_back(std::move(connected));
        else if (!problem.isEmpty())
            portProblems << problem;
    }
    return found;
}

std::unique_ptr<CommandLineTool::Connected> CommandLineTool::theSwitch(const QString &port)
{
    auto found = findSwitches(port);
    if (found.size() == 1)
        return std::move(found.front());
    if (found.empty() && !portProblems.isEmpty())
        output.notes(portProblems);
    else if (found.empty() && !port.isEmpty())
        output.note(tr("No switch answers on %1.").arg(QDir::toNativeSeparators(port)));
    else if (found.empty())
        output.note(tr("No switch found. Connect the switch, or name its port with --port."));
    else {
        QStringList ports;
        for (const auto &connected : found)
            ports << QDir::toNativeSeparators(connected->port);
        output.note(
            tr("Several switches found (%1). Choose one with --port.").arg(ports.join(QStringLiteral(", "))));
    }
    return nullptr;
}

// ---- The commands ----

int CommandLineTool::list()
{
    const auto found = findSwitches(QString());
    if (found.empty()) {
        output.notes(portProblems.isEmpty() ? QStringList{tr("No switch found.")} : portProblems);
        return Failure;
    }
    for (const auto &connected : found)
        output.fields({QDir::toNativeSeparators(connected->port), connected->device->serialNumber()});
    return Success;
}

int CommandLineTool::read(const ToolArguments &a)
{
    if (!loadSatelliteData())
        return Failure;
    const auto connected = theSwitch(a.port);
    if (!connected)
        return Failure;
    // The switch keeps no name for an LNB without static UBs: such an LNB
    // gets the satellite the window would preset.
    const QStringList names = startPair();
    DeviceTransfers::Result read;
    if (!output.attempt([&] {
            read = await(*connected, [&] {
                connected->transfers->readPlan(names.value(0), names.value(1), satelliteData());
            });
        }))
        return Failure;
    if (statusOf(read) != Success)
        return Failure;
    if (!read.readNote.isEmpty())
        output.note(read.readNote);
    noteNumbering(read.plan);
    return writePlan(a.files.at(0), read.plan) ? Success : Failure;
}

int CommandLineTool::diff(const ToolArguments &a)
{
    BandPlan plan;
    if (!loadPlan(a.files.at(0), plan) || !loadSatelliteData())
        return Failure;
    meetData(plan);
    const auto connected = theSwitch(a.port);
    if (!connected)
        return Failure;
    DeviceTransfers::Result read;
    if (!output.attempt([&] {
            read = await(*connected,
                         [&] { connected->transfers->readPlan(plan.lnb1, plan.lnb2, satelliteData()); });
        }))
        return Failure;
    if (statusOf(read) != Success)
        return Failure;
    if (!read.readNote.isEmpty())
        output.note(read.readNote);
    noteNumbering(read.plan);
    const PlanComparison comparison(plan, read.plan);
    for (const QString &line : comparison.lines())
        output.line(line);
    return comparison.same() ? Success : Different;
}

int CommandLineTool::transfer(const ToolArguments &a, bool store)
{
    BandPlan plan;
    if (!loadPlan(a.files.at(0), plan) || !checkPlan(plan) || !loadSatelliteData())
        return Failure;
    meetData(plan);
    if (!checkWords(plan))
        return Failure;
    const auto connected = theSwitch(a.port);
    if (!connected)
        return Failure;
    DeviceTransfers::Result sent;
    if (!output.attempt([&] {
            sent = await(*connected, [&] {
                if (store)
                    connected->transfers->store(plan, satelliteData());
                else
                    connected->transfers->send(plan, satelliteData());
            });
        }))
        return Failure;
    if (statusOf(sent) != Success)
        return Failure;
    reportSent(sent.outcome, store);
    return Success;
}

void CommandLineTool::reportSent(const DeviceTransfers::Outcome &outcome, bool stored)
{
    reportBackup(outcome);
    output.notes(outcome.readBackNotes);
    if (!stored) {
        output.line(PlanReadBack::sentAndMatchesMessage());
        return;
    }
    output.line(PlanReadBack::storedAndMatchesMessage());
    output.line(QDir::toNativeSeparators(outcome.storedPlanBackup));
}

DeviceTransfers::Result CommandLineTool::await(Connected &connected, const std::function<void()> &start)
{
    DeviceTransfers::Result result;
    QEventLoop loop;
    const QMetaObject::Connection ended = connect(connected.transfers.get(), &DeviceTransfers::finished,
                                                  &loop, [&](const DeviceTransfers::Result &end) {
                                                      result = end;
                                                      loop.quit();
                                                  });
    const auto disconnectAtEnd = qScopeGuard([&ended] { disconnect(ended); });
    start();
    // Every operation ends by itself: its lines have deadlines.
    loop.exec();
    return result;
}

int CommandLineTool::statusOf(const DeviceTransfers::Result &result)
{
    switch (result.kind) {
    case DeviceOperation::Kind::Done:
        return Success;
    case DeviceOperation::Kind::Running:
    case DeviceOperation::Kind::Cancelled:
    case DeviceOperation::Kind::Lost:
    case DeviceOperation::Kind::Failed:
        break;
    }
    // A read-back's differences come one per line.
    output.notes(result.message.split(QLatin1Char('\n')));
    return Failure;
}

void CommandLineTool::reportBackup(const DeviceTransfers::Outcome &outcome)
{
    if (!outcome.notice.isEmpty())
        output.note(outcome.notice);
}

int CommandLineTool::restore(const ToolArguments &a)
{
    const QString path = a.files.at(0);
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return transfer(a, true);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        output.note(
            tr("The file %1 cannot be read (%2).").arg(QDir::toNativeSeparators(path), file.errorString()));
        return Failure;
    }
    DeviceReplies replies;
    QString reason;
    if (!DeviceReplies::fromText(file.readAll(), replies, &reason)) {
        output.note(
            tr("The file %1 holds no replies of a switch: %2").arg(QDir::toNativeSeparators(path), reason));
        return Failure;
    }
    if (!loadSatelliteData())
        return Failure;
    const auto connected = theSwitch(a.port);
    if (!connected)
        return Failure;
    // LNBs without static UBs get the satellites the window would preset.
    const QStringList names = startPair();
    DeviceTransfers::Result restored;
    if (!output.attempt([&] {
            restored = await(*connected, [&] {
                connected->transfers->restore(replies, names.value(0), names.value(1), satelliteData());
            });
        }))
        return Failure;
    if (statusOf(restored) != Success)
        return Failure;
    reportSent(restored.outcome, true);
    return Success;
}

int CommandLineTool::sheet(const ToolArguments &a)
{
    BandPlan plan;
    if (!loadPlan(a.files.at(0), plan) || !loadSatelliteData())
        return Failure;
    // As the window shows a loaded plan.
    meetData(plan);
    UBDataModel model;
    plan.applyTo(model);
    InstallationSheet sheet(
        &model, [this] { return satellites->catalogue(); }, &QDate::currentDate, nullptr,
        [this] { return satellites->ownTransponders(); });
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

// ---- Workshop mode ----

int CommandLineTool::storeEach(const ToolArguments &a)
{
    BandPlan plan;
    if (!loadPlan(a.files.at(0), plan) || !checkPlan(plan) || !loadSatelliteData())
        return Failure;
    meetData(plan);
    if (!checkWords(plan))
        return Failure;
    output.note(
        tr("Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one's power "
           "as well as its USB cable."));
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [this, &plan] { workshopTick(plan); });
    poll.start(workshopPollMs);
    QTimer::singleShot(0, this, [this, &plan] { workshopTick(plan); });
    workshopStored.clear();
    workshopSent.clear();
    workshopRepeated.clear();
    workshop.exec();
    workshopSwitches.clear();
    return workshopAllStored() ? Success : Failure;
}

bool CommandLineTool::workshopAllStored() const
{
    return std::all_of(workshopStored.cbegin(), workshopStored.cend(),
                       [](const std::pair<const QString, bool> &entry) { return entry.second; });
}

void CommandLineTool::stop()
{
    workshop.quit();
}

void CommandLineTool::workshopTick(const BandPlan &plan)
{
    // A store waits for the switch in the event loop: a look that comes
    // meanwhile is left to the next tick, so one switch is handled at a time.
    if (workshopTicking)
        return;
    workshopTicking = true;
    const auto done = qScopeGuard([this] { workshopTicking = false; });
    workshopLook(plan);
}

void CommandLineTool::workshopLook(const BandPlan &plan)
{
    QList<SerialPortCandidate> candidates;
    try {
        candidates = environment.portLister();
    } catch (const std::exception &) {
        return; // the next look may work
    }
    QStringList present;
    for (const SerialPortCandidate &candidate : qAsConst(candidates))
        present << candidate.portName;
    // A switch that has gone frees its port for the next one.
    for (auto it = workshopSwitches.begin(); it != workshopSwitches.end();) {
        if (!present.contains(it->first) || !it->second->device->isConnected())
            it = workshopSwitches.erase(it);
        else
            ++it;
    }
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch() || workshopSwitches.count(candidate.portName))
            continue;
        QString problem;
        auto connected = connectTo(candidate, &problem);
        // Said once per port and reason, not at every look.
        QString &said = workshopProblems[candidate.portName];
        const QString portKey = QStringLiteral("port ") + candidate.portName;
        if (!connected && !problem.isEmpty() && problem != said) {
            output.note(problem);
            workshopStored[portKey] = false;
        }
        said = connected ? QString() : problem;
        if (!connected)
            continue;
        const QString serial = connected->device->serialNumber();
        const QString line =
            workshopKnows(serial) ? workshopCompare(*connected) : workshopStore(*connected, plan);
        output.line(line);
        // Kept open until it goes, so that it is not stored twice.
        workshopSwitches[candidate.portName] = std::move(connected);
        emit switchHandled(line);
    }
}

bool CommandLineTool::workshopKnows(const QString &serial)
{
    // Two switches that answer with one serial number cannot be told apart:
    // each of them is stored whenever it comes.
    const bool repeated =
        std::any_of(workshopSwitches.cbegin(), workshopSwitches.cend(),
                    [&serial](const auto &held) { return held.second->device->serialNumber() == serial; });
    if (serial.isEmpty() || repeated) {
        workshopSent.erase(serial);
        workshopRepeated.insert(serial);
        return false;
    }
    return workshopSent.count(serial) > 0 && workshopRepeated.count(serial) == 0;
}

QString CommandLineTool::workshopStore(Connected &connected, const BandPlan &plan)
{
    const QString port = QDir::toNativeSeparators(connected.port);
    const QString serial = connected.device->serialNumber();
    const QString key = QStringLiteral("switch ") + serial;
    DeviceTransfers::Result stored;
    try {
        stored = await(connected, [&] { connected.transfers->store(plan, satelliteData()); });
    } catch (const std::exception &e) {
        stored.message = QString::fromUtf8(e.what());
    }
    workshopStored.erase(QStringLiteral("port ") + connected.port);
    workshopStored[key] = stored.kind == DeviceOperation::Kind::Done;
    if (stored.kind != DeviceOperation::Kind::Done)
        return tr("%1 %2: not stored: %3")
            .arg(port, serial, stored.message.split(QLatin1Char('\n')).join(QStringLiteral("; ")));
    reportBackup(stored.outcome);
    output.notes(stored.outcome.readBackNotes);
    if (!serial.isEmpty() && workshopRepeated.count(serial) == 0)
        workshopSent[serial] = stored.outcome.sent;
    return tr("%1 %2: stored; backup %3; read back")
        .arg(port, serial, QDir::toNativeSeparators(stored.outcome.storedPlanBackup));
}

QString CommandLineTool::workshopCompare(Connected &connected)
{
    const QString port = QDir::toNativeSeparators(connected.port);
    const QString serial = connected.device->serialNumber();
    DeviceTransfers::Result compared;
    try {
        compared = await(connected, [&] {
            connected.transfers->compareWithSent(workshopSent.at(serial), satelliteData());
        });
    } catch (const std::exception &e) {
        compared.message = QString::fromUtf8(e.what());
    }
    const bool same = compared.kind == DeviceOperation::Kind::Done && compared.differences.isEmpty();
    workshopStored[QStringLiteral("switch ") + serial] = same;
    if (same)
        return tr("%1 %2: after reconnection the switch holds the plan stored").arg(port, serial);
    // Stored again when it comes next.
    workshopSent.erase(serial);
    if (compared.kind != DeviceOperation::Kind::Done)
        return tr("%1 %2: not compared after reconnection: %3").arg(port, serial, compared.message);
    return tr("%1 %2: after reconnection the switch differs from the plan stored: %3")
        .arg(port, serial, compared.differences.join(QStringLiteral("; ")));
}

// ---- The support report ----

SharedCatalogue CommandLineTool::satelliteData() const
{
    return satellites ? satellites->catalogue() : nullptr;
}

QString CommandLineTool::numberingNote() const
{
    if (!satellites)
        return QString();
    return SatelliteIdTable::differencesMessage(
        BuiltInSatellites::idTable().differences(*satellites->catalogue()));
}

void CommandLineTool::noteNumbering(const BandPlan &read)
{
    // Static words name their satellites by id alone.
    const QString numbering = SatelliteIdTable::differencesMessage(
        BuiltInSatellites::idTable().differences(*satellites->catalogue(), read.staticSatellites()));
    if (!numbering.isEmpty())
        output.note(numbering);
}

QStringList CommandLineTool::satelliteDataLines() const
{
    if (!satellites)
        return {};
    QStringList lines;
    if (satellites->source() != SatelliteSource::Source::None)
        lines << satellites->originText();
    if (satellites->source() == SatelliteSource::Source::Server)
        lines << satellites->dataDate().toString(Qt::ISODate);
    const QString serverFailure = satellites->serverFailureText();
    if (!serverFailure.isEmpty())
        lines << serverFailure;
    const QString numbering = numberingNote();
    if (!numbering.isEmpty())
        lines << numbering;
    return lines;
}

int CommandLineTool::transponder(const QStringList &arguments)
{
    OwnTransponderCommand command(output, OwnTransponderFile::pathIn(environment.cacheDirectory), [this] {
        return loadSatelliteData() ? satellites->catalogue() : SharedCatalogue();
    });
    return command.run(arguments);
}

int CommandLineTool::report(const ToolArguments &a)
{
    // Whatever can be gathered goes in: missing data or no switch are facts
    // of the report, not failures of the command.
    SupportReport::Facts facts = SupportReport::running();
    facts.secrets << environment.connection.password;
    loadSatelliteData();
    facts.satelliteData = satelliteDataLines();
    try {
        for (const SerialPortCandidate &candidate : environment.portLister())
            facts.ports << SupportReport::portLine(candidate);
    } catch (const std::exception &e) {
        facts.ports << QString::fromUtf8(e.what());
    }
    if (satellites) {
        QStringList found;
        for (const auto &connected : findSwitches(a.port))
            found << QDir::toNativeSeparators(connected->port) + QLatin1Char('\t') +
                         connected->device->serialNumber();
        facts.switchId = found.join(QLatin1Char('\n'));
        facts.portProblems = portProblems;
    }
    if (log)
        facts.log = log->lines();
    QString reason;
    const QString path = a.files.at(0);
    if (!SupportReport::save(path, facts, &reason)) {
        output.note(SupportReport::saveFailure(path, reason));
        return Failure;
    }
    return Success;
}
