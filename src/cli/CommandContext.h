#pragma once

#include "service/SwitchAccess.h"
#include "ToolOutput.h"
#include "ToolSatelliteData.h"
#include "service/Environment.h"

class LogRing;

// What every command of the tool gets: the output, the surroundings, the
// log ring, the satellite data and the switches. The steps below show what
// the shared pieces return on the output and say whether to go on.
class CommandContext
{
public:
    CommandContext(ToolOutput &output, const Environment &environment);

    ToolOutput &output;
    const Environment &environment;
    // The recent log lines that "report" writes; none without a ring.
    const LogRing *log = nullptr;
    ToolSatelliteData data;
    SwitchAccess switches;

    bool loadData();
    bool loadPlan(const QString &path, BandPlan &plan);
    bool checkPlan(const BandPlan &plan);
    // The plan moved onto the data, what changed told; the verdict for
    // checkWords().
    PlanVerdict meetData(BandPlan &plan);
    bool checkWords(const PlanVerdict &verdict);
    bool writePlan(const QString &path, const BandPlan &plan);
    // Told after a read that holds static UBs.
    void noteNumbering(const BandPlan &read);

    // The switches found, each showing its transfers' progress where that
    // is wanted; `portProblems` gets one line per port that cannot be used.
    SwitchAccess::Switches findSwitches(const QString &port, QStringList *portProblems);
    std::unique_ptr<SwitchAccess::Connected> theSwitch(const QString &port);
    std::unique_ptr<SwitchAccess::Connected> connectTo(const SerialPortCandidate &candidate,
                                                       QString *problem);

    // How a transfer ended, in the tool's exit status; what went wrong is
    // shown.
    int statusOf(const DeviceTransfers::Result &result);
    void reportBackup(const DeviceTransfers::Outcome &outcome);
    // What a send that was read back tells: notes on `err`, that it matches
    // (and, when `stored`, the backup's path as the last line) on `out`.
    void reportSent(const DeviceTransfers::Outcome &outcome, bool stored);

private:
    void followProgress(SwitchAccess::Connected *connected);
};
