#pragma once

#include "ToolOutput.h"
#include "device/DeviceTransfers.h"
#include "device/Environment.h"
#include "model/BandPlan.h"

#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>
#include <memory>
#include <set>

class LogRing;
struct ToolArguments;
class SatelliteSource;
class SerialPortHandler;

// fenzo_cli: the window's transfers from a shell. Results go to `out`,
// messages to `err`; run() returns the exit status.
class CommandLineTool : public QObject
{
    Q_OBJECT

public:
    enum ExitStatus
    {
        Success = 0,
        Different = 1,
        Failure = 2
    };

    using Environment = ::Environment;

    CommandLineTool(QTextStream &out, QTextStream &err, Environment environment = Environment(),
                    QObject *parent = nullptr);
    ~CommandLineTool() override;

    // The arguments without the program's name.
    int run(const QStringList &arguments);

    // Workshop mode runs until it is interrupted; the other commands end by
    // themselves.
    static bool waitsForInterrupt(const QStringList &arguments);
    // Whether a command draws on the screen's fonts (the sheet does).
    static bool needsGui(const QStringList &arguments);

    // The window's texts about the satellite data, with the tool's remedy.
    static QString databaseMissingMessage();
    static QString outdatedDataMessage();

    // The recent log lines that "report" writes; none without a ring.
    void setLog(const LogRing *ring) { log = ring; }

    // How often workshop mode looks for newly plugged switches.
    static constexpr int workshopPollMs = 500;

signals:
    // Workshop mode: one switch has been dealt with.
    void switchHandled(const QString &line);

public slots:
    // Ends workshop mode.
    void stop();

private:
    struct Connected;

    int help();
    int list();
    int read(const ToolArguments &arguments);
    int diff(const ToolArguments &arguments);
    int transfer(const ToolArguments &arguments, bool store);
    int restore(const ToolArguments &arguments);
    int storeEach(const ToolArguments &arguments);
    int sheet(const ToolArguments &arguments);
    int listSatellites();
    // "satellites NAME": the transponders a plan can use on that satellite.
    int listTransponders(const QString &name);
    int importSatellites(const QString &path);
    int server(const ToolArguments &arguments);
    int report(const ToolArguments &arguments);
    // "transponder add|list|remove": the own transponders.
    int transponder(const QStringList &arguments);
    QStringList satelliteDataLines() const;

    bool loadSatelliteData();
    // The satellites an LNB without static UBs gets, as the window presets them.
    QStringList startPair() const;
    bool loadPlan(const QString &path, BandPlan &plan);
    bool checkPlan(const BandPlan &plan);
    // A plan from a file meets the satellite data: static UBs are found by
    // frequency and polarisation; what changed or is missing is told.
    void meetData(BandPlan &plan);
    // What the data in use number otherwise than the program's id table;
    // told after a read that holds static UBs.
    QString numberingNote() const;
    void noteNumbering(const BandPlan &read);
    // Whether every UB of the plan can be sent with the satellite data.
    bool checkWords(const BandPlan &plan);
    bool writePlan(const QString &path, const BandPlan &plan);
    // The switches found on the listed ports (or on the one given).
    std::vector<std::unique_ptr<Connected>> findSwitches(const QString &port);
    std::unique_ptr<Connected> theSwitch(const QString &port);
    // Null when no switch answers there; `problem` then says why the port
    // cannot be used, when it is that.
    std::unique_ptr<Connected> connectTo(const SerialPortCandidate &candidate, QString *problem = nullptr);
    // One look for the switch with `device`, carried by this tool's event
    // loop; true when it is connected afterwards.
    bool lookOnce(SerialPortHandler &device);
    // An identification ends within a second; a look that has not ended
    // after this is taken as none.
    static constexpr int lookDeadlineMs = 5000;
    void reportBackup(const DeviceTransfers::Outcome &outcome);
    // What a send that was read back tells: notes on `err`, that it matches
    // (and, when `stored`, the backup's path as the last line) on `out`.
    void reportSent(const DeviceTransfers::Outcome &outcome, bool stored);
    // Runs the transfer `start` begins with the tool's event loop, until it
    // ends. A refusal before the start throws, as `start` does.
    DeviceTransfers::Result await(Connected &connected, const std::function<void()> &start);
    // How a transfer ended, in the tool's exit status; what went wrong goes
    // to `err`.
    int statusOf(const DeviceTransfers::Result &result);
    void workshopTick(const BandPlan &plan);
    void workshopLook(const BandPlan &plan);
    // Whether the switch with this serial number was stored and read back
    // in this run, so that it is only compared when it comes back.
    bool workshopKnows(const QString &serial);
    // Each gives the switch's line.
    QString workshopStore(Connected &connected, const BandPlan &plan);
    QString workshopCompare(Connected &connected);
    // The satellite data a transfer starts with; null: none loaded.
    SharedCatalogue satelliteData() const;
    ToolOutput output;
    Environment environment;
    std::unique_ptr<SatelliteSource> satellites;
    std::map<QString, std::unique_ptr<Connected>> workshopSwitches;
    // The reasons why no switch was found: one line per port.
    QStringList portProblems;
    // Workshop mode: the problem last said per port, and whether each
    // switch met (by serial number) and each port that could not be used is
    // stored in the end: a port's problem is settled by a later store there.
    std::map<QString, QString> workshopProblems;
    std::map<QString, bool> workshopStored;
    // What was sent to each switch stored and read back in this run, by
    // serial number, and the serial numbers heard from two switches.
    std::map<QString, SentPlan> workshopSent;
    std::set<QString> workshopRepeated;
    bool workshopAllStored() const;
    QEventLoop workshop;
    bool workshopTicking = false;
    const LogRing *log = nullptr;
};
