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

void CommandContext::noteNumbering(const BandPlan &read)
{
    const QString numbering = data.numberingNote(read);
    if (!numbering.isEmpty())
        output.note(numbering);
}

void CommandContext::followProgress(SwitchAccess::Connected *connected)
{
    if (!connected || !environment.progressOnStandardError)
        return;
    // One line on the terminal, rewritten at each step and cleared at the
    // end; a report that only says the transfer can no longer be cancelled
    // repeats the step and writes nothing.
    DeviceTransfers *const transfers = connected->transfers.get();
    QObject::connect(transfers, &DeviceTransfers::progressChanged, transfers,
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

std::unique_ptr<SwitchAccess::Connected> CommandContext::theSwitch(const QString &port)
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

int CommandContext::statusOf(const DeviceTransfers::Result &result)
{
    switch (result.kind) {
    case DeviceOperation::Kind::Done:
        return CommandLineTool::Success;
    case DeviceOperation::Kind::Running:
    case DeviceOperation::Kind::Cancelled:
    case DeviceOperation::Kind::Lost:
    case DeviceOperation::Kind::Failed:
        break;
    }
    // A read-back's differences come one per line.
    output.notes(result.message.split(QLatin1Char('\n')));
    return CommandLineTool::Failure;
}

void CommandContext::reportBackup(const DeviceTransfers::Outcome &outcome)
{
    if (!outcome.notice.isEmpty())
        output.note(outcome.notice);
}

void CommandContext::reportSent(const DeviceTransfers::Outcome &outcome, bool stored)
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
