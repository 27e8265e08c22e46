#include "CommandContext.h"

#include "CommandLineTool.h"
#include "device/PlanReadBack.h"
#include "device/SerialPortHandler.h"

#include <QDir>

CommandContext::CommandContext(ToolOutput &output, const Environment &environment)
    : output(output), environment(environment), data(environment), switches(environment)
{
}

bool CommandContext::loadData()
{
    QStringList messages;
    const bool loaded = data.load(&messages);
    output.notes(messages);
    return loaded;
}

bool CommandContext::loadPlan(const QString &path, BandPlan &plan)
{
    QString why;
    if (ToolSatelliteData::loadPlan(path, plan, &why))
        return true;
    output.note(why);
    return false;
}

bool CommandContext::checkPlan(const BandPlan &plan)
{
    QStringList messages;
    const bool passed = ToolSatelliteData::checkPlan(plan, &messages);
    output.notes(messages);
    return passed;
}

PlanVerdict CommandContext::meetData(BandPlan &plan)
{
    PlanVerdict verdict = data.prepare(plan);
    plan = verdict.plan;
    output.notes(ToolSatelliteData::notes(verdict));
    return verdict;
}

bool CommandContext::checkWords(const PlanVerdict &verdict)
{
    QStringList messages;
    const bool sendable = ToolSatelliteData::checkWords(verdict, &messages);
    output.notes(messages);
    return sendable;
}

bool CommandContext::writePlan(const QString &path, const BandPlan &plan)
{
    QString why;
    if (ToolSatelliteData::writePlan(path, plan, &why))
        return true;
    output.note(why);
    return false;
}

void CommandContext::followProgress(SwitchAccess::Connected *connected)
{
    if (!connected || !environment.progressOnStandardError)
        return;
    // One line on the terminal, rewritten at each step and cleared at the
    // end; a report that only says the transfer can no longer be cancelled
    // repeats the step and writes nothing.
    SwitchTransfers *const transfers = connected->transfers.get();
    QObject::connect(transfers, &SwitchTransfers::progressChanged, transfers,
                     [this, transfers, shown = QString()]() mutable {
                         if (transfers->progress() == shown)
                             return;
                         shown = transfers->progress();
                         output.progress(shown);
                     });
}

SwitchAccess::Switches CommandContext::findSwitches(const QString &port, QStringList *portProblems)
{
    QStringList notes;
    SwitchAccess::Switches found = switches.find(port, &notes, portProblems);
    output.notes(notes);
    for (const auto &connected : found)
        followProgress(connected.get());
    return found;
}

std::optional<TransferEnd> CommandContext::onTheSwitch(const QString &port,
                                                       const std::function<bool()> &prepared,
                                                       const std::function<void(SwitchTransfers &)> &start)
{
    QStringList messages;
    auto end = switches.transferOnTheOne(
        port, [&] { return loadData() && (!prepared || prepared()); },
        [this](SwitchAccess::Connected &connected) { followProgress(&connected); }, start, &messages);
    output.notes(messages);
    return end;
}

std::unique_ptr<SwitchAccess::Connected> CommandContext::theOne(const QString &port)
{
    QStringList messages;
    auto connected = switches.theOne(port, &messages);
    output.notes(messages);
    followProgress(connected.get());
    return connected;
}

std::unique_ptr<SwitchAccess::Connected> CommandContext::connectTo(const SerialPortCandidate &candidate,
                                                                   QString *problem)
{
    auto connected = switches.connectTo(candidate, problem);
    followProgress(connected.get());
    return connected;
}

void CommandContext::reportBackup(const TransferEnd &end)
{
    if (!end.backupNotice().isEmpty())
        output.note(end.backupNotice());
}

void CommandContext::reportSent(const TransferEnd &end, bool stored)
{
    reportBackup(end);
    output.notes(end.notes);
    if (!stored) {
        output.line(PlanReadBack::sentAndMatchesMessage());
        return;
    }
    output.line(PlanReadBack::storedAndMatchesMessage());
    output.line(QDir::toNativeSeparators(end.result.outcome.storedPlanBackup));
}
