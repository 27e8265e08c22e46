#pragma once

#include "CommandContext.h"
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
    void setLog(const LogRing *ring);

    // How often workshop mode looks for newly plugged switches.
    static constexpr int workshopPollMs = 500;

signals:
    // Workshop mode: one switch has been dealt with.
    void switchHandled(const QString &line);

public slots:
    // Ends workshop mode.
    void stop();

private:
    int help();
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
    void workshopTick(const BandPlan &plan);
    void workshopLook(const BandPlan &plan);
    // Whether the switch with this serial number was stored and read back
    // in this run, so that it is only compared when it comes back.
    bool workshopKnows(const QString &serial);
    // Each gives the switch's line.
    QString workshopStore(SwitchAccess::Connected &connected, const BandPlan &plan);
    QString workshopCompare(SwitchAccess::Connected &connected);
    ToolOutput output;
    Environment environment;
    CommandContext context;
    std::map<QString, std::unique_ptr<SwitchAccess::Connected>> workshopSwitches;
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
};
