#include "WorkshopMode.h"

#include "CommandLineTool.h"
#include "ToolArguments.h"
#include "device/SerialPortHandler.h"
#include "site/SiteChoice.h"

#include <QDir>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <exception>

WorkshopMode::WorkshopMode(CommandContext &context, Handled handled)
    : context(context), handled(std::move(handled))
{
}

WorkshopMode::~WorkshopMode()
{
    // The device links point at the satellite data: they go first.
    held.clear();
}

void WorkshopMode::stop()
{
    loop.quit();
}

int WorkshopMode::run(const ToolArguments &a)
{
    BandPlan plan;
    if (!context.loadPlan(a.files.at(0), plan) || !context.checkPlan(plan) || !context.loadData())
        return CommandLineTool::Failure;
    const PlanVerdict prepared = context.meetData(plan);
    if (!context.checkWords(prepared))
        return CommandLineTool::Failure;
    site.reset();
    return waitForSwitches(prepared);
}

int WorkshopMode::runSite(const ToolArguments &a)
{
    site = std::make_unique<SiteStore>(context, a.site);
    const auto forget = qScopeGuard([this] { site.reset(); });
    // A damaged file ends it before any switch is met.
    Site read;
    if (!site->read(read) || !context.loadData())
        return CommandLineTool::Failure;
    takenLabels.clear();
    return waitForSwitches(PlanVerdict());
}

int WorkshopMode::waitForSwitches(const PlanVerdict &prepared)
{
    context.output.note(
        tr("Waiting for switches; Ctrl+C ends. Before the next switch, disconnect the last one's power "
           "as well as its USB cable."));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [this, &prepared] { tick(prepared); });
    poll.start(CommandLineTool::workshopPollMs);
    QTimer::singleShot(0, &poll, [this, &prepared] { tick(prepared); });
    outcomes.clear();
    sent.clear();
    repeatedSerials.clear();
    loop.exec();
    held.clear();
    return allStored() ? CommandLineTool::Success : CommandLineTool::Failure;
}

bool WorkshopMode::allStored() const
{
    return std::all_of(outcomes.cbegin(), outcomes.cend(),
                       [](const std::pair<const QString, bool> &entry) { return entry.second; });
}

void WorkshopMode::tick(const PlanVerdict &plan)
{
    // A store waits for the switch in the event loop: a look that comes
    // meanwhile is left to the next tick, so one switch is handled at a time.
    if (ticking)
        return;
    ticking = true;
    const auto done = qScopeGuard([this] { ticking = false; });
    look(plan);
}

void WorkshopMode::look(const PlanVerdict &plan)
{
    QList<SerialPortCandidate> candidates;
    try {
        candidates = context.environment.portLister();
    } catch (const std::exception &) {
        return; // the next look may work
    }
    QStringList present;
    for (const SerialPortCandidate &candidate : qAsConst(candidates))
        present << candidate.portName;
    // A switch that has gone frees its port for the next one.
    for (auto it = held.begin(); it != held.end();) {
        if (!present.contains(it->first) || !it->second->device->isConnected())
            it = held.erase(it);
        else
            ++it;
    }
    for (const SerialPortCandidate &candidate : qAsConst(candidates)) {
        if (!candidate.isSwitch() || held.count(candidate.portName))
            continue;
        QString problem;
        auto connected = context.connectTo(candidate, &problem);
        // Said once per port and reason, not at every look.
        QString &said = problemsSaid[candidate.portName];
        const QString portKey = QStringLiteral("port ") + candidate.portName;
        if (!connected && !problem.isEmpty() && problem != said) {
            context.output.note(problem);
            outcomes[portKey] = false;
        }
        said = connected ? QString() : problem;
        if (!connected)
            continue;
        const QString serial = connected->device->serialNumber();
        const QString line = knows(serial) ? compare(*connected)
                             : site        ? storeEntry(*connected)
                                           : store(*connected, plan);
        context.output.line(line);
        // Kept open until it goes, so that it is not stored twice.
        held[candidate.portName] = std::move(connected);
        handled(line);
    }
}

bool WorkshopMode::knows(const QString &serial)
{
    // Two switches that answer with one serial number cannot be told apart:
    // each of them is stored whenever it comes.
    const bool repeated = std::any_of(held.cbegin(), held.cend(), [&serial](const auto &entry) {
        return entry.second->device->serialNumber() == serial;
    });
    if (serial.isEmpty() || repeated) {
        sent.erase(serial);
        repeatedSerials.insert(serial);
        return false;
    }
    return sent.count(serial) > 0 && repeatedSerials.count(serial) == 0;
}

QString WorkshopMode::store(SwitchAccess::Connected &connected, const PlanVerdict &plan)
{
    TransferEnd stored;
    try {
        stored = SwitchAccess::await(
            connected, [&] { connected.transfers->sendPrepared(plan, true, context.data.catalogue()); });
    } catch (const std::exception &e) {
        stored.result.message = QString::fromUtf8(e.what());
    }
    return told(connected, connected.device->serialNumber(), stored);
}

QString WorkshopMode::storeEntry(SwitchAccess::Connected &connected)
{
    const QString port = QDir::toNativeSeparators(connected.port);
    const QString serial = connected.device->serialNumber();
    const QString key = QStringLiteral("switch ") + serial;
    outcomes.erase(QStringLiteral("port ") + connected.port);
    // The file as it is now: the window or another run may have changed it.
    Site now;
    QString refusal;
    const int index =
        site->read(now, &refusal) ? SiteChoice::nextFree(now, serial, takenLabels, &refusal) : -1;
    if (index < 0) {
        outcomes[key] = false;
        return tr("%1 %2: not stored: %3").arg(port, serial, refusal);
    }
    const SiteEntry entry = now.entries.at(index);
    takenLabels << entry.label;
    const QString who = tr("SN %1 → %2").arg(serial, entry.label);
    PlanVerdict prepared;
    if (!site->prepare(entry, prepared)) {
        outcomes[key] = false;
        return tr("%1 %2: not stored: %3").arg(port, who, SiteStore::unsendableMessage());
    }
    const TransferEnd stored = site->store(connected, now, entry, prepared);
    const bool recorded = site->record(entry, serial, stored);
    QString line = told(connected, who, stored);
    if (!recorded)
        outcomes[key] = false;
    return line;
}

QString WorkshopMode::told(const SwitchAccess::Connected &connected, const QString &who,
                           const TransferEnd &stored)
{
    const QString port = QDir::toNativeSeparators(connected.port);
    const QString serial = connected.device->serialNumber();
    const QString key = QStringLiteral("switch ") + serial;
    outcomes.erase(QStringLiteral("port ") + connected.port);
    outcomes[key] = stored.done();
    if (!stored.done())
        return tr("%1 %2: not stored: %3")
            .arg(port, who, stored.result.message.split(QLatin1Char('\n')).join(QStringLiteral("; ")));
    context.reportBackup(stored);
    context.output.notes(stored.notes);
    if (!serial.isEmpty() && repeatedSerials.count(serial) == 0)
        sent[serial] = stored.result.outcome.sent;
    return tr("%1 %2: stored; backup %3; read back")
        .arg(port, who, QDir::toNativeSeparators(stored.result.outcome.storedPlanBackup));
}

QString WorkshopMode::compare(SwitchAccess::Connected &connected)
{
    const QString port = QDir::toNativeSeparators(connected.port);
    const QString serial = connected.device->serialNumber();
    TransferEnd end;
    try {
        end = SwitchAccess::await(connected, [&] {
            connected.transfers->compareWithSent(sent.at(serial), context.data.catalogue());
        });
    } catch (const std::exception &e) {
        end.result.message = QString::fromUtf8(e.what());
    }
    const DeviceTransfers::Result &compared = end.result;
    const bool same = end.done() && compared.differences.isEmpty();
    outcomes[QStringLiteral("switch ") + serial] = same;
    if (same)
        return tr("%1 %2: after reconnection the switch holds the plan stored").arg(port, serial);
    // Stored again when it comes next.
    sent.erase(serial);
    if (compared.kind != DeviceOperation::Kind::Done)
        return tr("%1 %2: not compared after reconnection: %3").arg(port, serial, compared.message);
    return tr("%1 %2: after reconnection the switch differs from the plan stored: %3")
        .arg(port, serial, compared.differences.join(QStringLiteral("; ")));
}
