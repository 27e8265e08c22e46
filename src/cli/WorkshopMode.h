#pragma once

#include "CommandContext.h"
#include "SiteStore.h"
#include "device/DeviceTransfers.h"
#include "model/BandPlan.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <functional>
#include <map>
#include <memory>
#include <set>

struct ToolArguments;

// "fenzo_cli store --each PLAN": the plan stored in each switch plugged in,
// one after another, until stop(); a switch stored in this run that comes
// back is read and compared, not stored again. "store --each --site FILE":
// each switch gets the site's entry with its serial number, else the next
// entry without one, and the store is recorded in the site file.
class WorkshopMode
{
    // The rows stay those of the tool's catalogue context.
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    // Gets the line of each switch dealt with.
    using Handled = std::function<void(const QString &line)>;

    WorkshopMode(CommandContext &context, Handled handled);
    ~WorkshopMode();

    // Runs until stop(); the tool's exit status.
    int run(const ToolArguments &arguments);
    int runSite(const ToolArguments &arguments);
    void stop();

private:
    // Polls until stop(); the exit status.
    int waitForSwitches(const PlanVerdict &plan);
    void tick(const PlanVerdict &plan);
    void look(const PlanVerdict &plan);
    // Whether the switch with this serial number was stored and read back
    // in this run, so that it is only compared when it comes back.
    bool knows(const QString &serial);
    // Each gives the switch's line.
    QString store(SwitchAccess::Connected &connected, const PlanVerdict &plan);
    // The site's entry for the switch, stored and recorded.
    QString storeEntry(SwitchAccess::Connected &connected);
    // The line of a store that ended thus; `who` names the switch.
    QString told(const SwitchAccess::Connected &connected, const QString &who, const TransferEnd &stored);
    QString compare(SwitchAccess::Connected &connected);
    bool allStored() const;

    CommandContext &context;
    Handled handled;
    std::map<QString, std::unique_ptr<SwitchAccess::Connected>> held;
    // The problem last said per port, and whether each switch met (by
    // serial number) and each port that could not be used is stored in the
    // end: a port's problem is settled by a later store there.
    std::map<QString, QString> problemsSaid;
    std::map<QString, bool> outcomes;
    // What was sent to each switch stored and read back in this run, by
    // serial number, and the serial numbers heard from two switches.
    std::map<QString, SentPlan> sent;
    std::set<QString> repeatedSerials;
    // The site of "--site", and the labels of the entries stored in this run.
    std::unique_ptr<SiteStore> site;
    QStringList takenLabels;
    QEventLoop loop;
    bool ticking = false;
};
