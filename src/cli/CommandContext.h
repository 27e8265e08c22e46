#pragma once

#include "ToolOutput.h"
#include "ToolSatelliteData.h"
#include "service/Environment.h"
#include "service/SwitchAccess.h"

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

    // The switches found, each showing its transfers' progress where that
    // is wanted; `portProblems` gets one line per port that cannot be used.
    SwitchAccess::Switches findSwitches(const QString &port, QStringList *portProblems);
    // The opening of a command on the one switch: the data loaded and
    // `prepared` (if given) passed, the switch on `port`, the transfer
    // `start` begins, awaited. Its end when it ended done; otherwise none,
    // what went wrong shown.
    std::optional<TransferEnd> onTheSwitch(const QString &port, const std::function<bool()> &prepared,
                                           const std::function<void(SwitchTransfers &)> &start);
    // The only switch there is (or the one on `port`), showing its
    // transfers' progress where that is wanted; null with the reasons shown.
    std::unique_ptr<SwitchAccess::Connected> theOne(const QString &port);
    std::unique_ptr<SwitchAccess::Connected> connectTo(const SerialPortCandidate &candidate,
                                                       QString *problem);

    void reportBackup(const TransferEnd &end);
    // What a send that was read back tells: notes on `err`, that it matches
    // (and, when `stored`, the backup's path as the last line) on `out`.
    void reportSent(const TransferEnd &end, bool stored);

private:
    void followProgress(SwitchAccess::Connected *connected);
};
