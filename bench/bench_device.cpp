// Time of the operations on the switch (read, test, store) against the switch
// simulator on a real pseudo-terminal, beside the protocol's floor: the pauses
// after the commands (each query 100 ms, each option 50 ms, the plan and the
// store 100 ms), both as the fixed figure and as measured here by sleeping the
// same pauses (goal: within 1.02 times the floor). A test and a store read
// the switch's plan before they send and read it back after: 1050 and 1150 ms
// of pauses. "Test on device" and "Save on device" as the window runs them,
// against the same floors. Beside them, against a switch that trickles one
// byte every 80 ms and never ends its line: the time from "Read from device"
// to its error. For each sequence, and the identification of a trickling
// switch at every search tick: the longest time the event loop stands still
// (goal 20 ms).
//
//   bench_device [RUNS]      (default 10; needs the switch-sim target built)

#include "DynamicPlan.h"
#include "device/OperationRunner.h"
#include "device/PlanWords.h"
#include "device/ReadPlanOperation.h"
#include "device/SendPlanOperation.h"
#include "device/SerialPortHandler.h"
#include "service/PlanPreparation.h"
#include "service/SatelliteData.h"
#include "service/SwitchAccess.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {
const QString simulatorProgram = QStringLiteral(FENZO_BINARY_DIR "/tools/switch-sim/switch-sim");

struct Figures
{
    double median;
    double min;
    double max;
};

Figures measure(int runs, const std::function<void()> &sequence)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        sequence();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

// The longest time the event loop stands still while it lives: a timer
// every 5 ms notes the gaps between its ticks.
class BlockMonitor
{
public:
    BlockMonitor()
    {
        QObject::connect(&tick, &QTimer::timeout,
                         [this] { longest = std::max(longest, sinceLast.restart()); });
        sinceLast.start();
        tick.start(5);
    }
    double longestMs() const { return double(std::max(longest, sinceLast.elapsed())); }

private:
    QTimer tick;
    QElapsedTimer sinceLast;
    qint64 longest = 0;
};

constexpr double blockGoalMs = 20;

void printBlock(const char *what, double longestMs)
{
    std::printf("%-44s longest event-loop block %7.1f ms | goal %4.0f ms: ratio %.3f\n", what, longestMs,
                blockGoalMs, longestMs / blockGoalMs);
}

// Starts the simulator; its first line is the link path.
bool startSimulator(QProcess &simulator, const QString &link, const QStringList &faults)
{
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start(
        simulatorProgram,
        QStringList{QStringLiteral("--link"), link, QStringLiteral("--serial"), QStringLiteral("KVNBENCH1")}
            << faults);
    if (!simulator.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!simulator.canReadLine()) {
        if (clock.elapsed() > 5000 || !simulator.waitForReadyRead(500))
            return false;
    }
    simulator.readLine();
    return true;
}

bool control(QProcess &simulator, const QByteArray &message)
{
    simulator.write(message + '\n');
    QElapsedTimer clock;
    clock.start();
    while (!simulator.canReadLine()) {
        if (clock.elapsed() > 3000 || !simulator.waitForReadyRead(500))
            return false;
    }
    return simulator.readLine().trimmed() == "ok";
}

void stop(QProcess &simulator)
{
    ::kill(pid_t(simulator.processId()), SIGTERM);
    if (!simulator.waitForFinished(3000))
        simulator.kill();
}

// Runs the event loop until `done` or the limit; false at the limit.
bool runUntil(const std::function<bool()> &done, int limitMs);

// Runs `operation` with the event loop until it ends; throws unless it ended Done.
void runOperation(OperationRunner &runner, std::unique_ptr<DeviceOperation> operation)
{
    bool ended = false;
    DeviceOperation::Kind kind = DeviceOperation::Kind::Running;
    QString message;
    const QMetaObject::Connection connection =
        QObject::connect(&runner, &OperationRunner::finished, [&](DeviceOperation *done) {
            ended = true;
            kind = done->kind();
            message = done->message();
        });
    runner.run(std::move(operation));
    const bool inTime = runUntil([&ended] { return ended; }, 10000);
    QObject::disconnect(connection);
    if (!inTime || kind != DeviceOperation::Kind::Done)
        throw std::runtime_error(("operation failed: " + message).toStdString());
}

// Runs the event loop until `done` or the limit; false at the limit.
bool runUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Satellite data from a cache file, as the window starts with: a send is
// judged and encoded with them.
bool writeCache(const QString &directory)
{
    QFile cache(directory + QStringLiteral("/db.dat"));
    if (!cache.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&cache);
    out << qint32(1) << qint32(1) << QStringLiteral("Sat 1") << qint32(1) << qint32(11836) << qint32(10600)
        << true << qint32(1) << qint32(1) << qint32(1) << qint32(10600) << qint32(9750)
        << QStringLiteral("Sat 1") << qint32(1);
    return out.status() == QDataStream::Ok;
}

// A sequence may take this much longer than its pauses.
constexpr double sequenceGoal = 1.02;

// The protocol's pauses of each sequence, in the order they come.
const std::vector<unsigned long> readPauses{100, 100, 100, 100};
const std::vector<unsigned long> optionAndPlanPauses{50, 50, 50, 100};
constexpr unsigned long storePause = 100;

// Backup read, options, plan, [store,] read-back.
std::vector<unsigned long> sendPauses(bool store)
{
    std::vector<unsigned long> pauses = readPauses;
    pauses.insert(pauses.end(), optionAndPlanPauses.begin(), optionAndPlanPauses.end());
    if (store)
        pauses.push_back(storePause);
    pauses.insert(pauses.end(), readPauses.begin(), readPauses.end());
    return pauses;
}

double sum(const std::vector<unsigned long> &pauses)
{
    double total = 0;
    for (unsigned long pause : pauses)
        total += double(pause);
    return total;
}

void print(const char *name, const Figures &figures, double floor, const Figures &slept)
{
    std::printf(
        "%-6s median %7.1f ms (min %7.1f, max %7.1f) | floor %5.0f ms: ratio %.3f (goal %.2f) | pauses "
        "slept here %7.1f ms: ratio %.3f\n",
        name, figures.median, figures.min, figures.max, floor, figures.median / floor, sequenceGoal,
        slept.median, figures.median / slept.median);
}
// Starts a transfer with `start` and runs the event loop until it ends.
TransferEnd awaitTransfer(SwitchTransfers &transfers, const std::string &name,
                          const std::function<void()> &start)
{
    std::optional<TransferEnd> ended;
    const QMetaObject::Connection connection = QObject::connect(
        &transfers, &SwitchTransfers::ended, [&ended](const TransferEnd &end) { ended = end; });
    start();
    const bool inTime = runUntil([&ended] { return ended.has_value(); }, 10000);
    QObject::disconnect(connection);
    if (!inTime)
        throw std::runtime_error(name + " did not end");
    return *ended;
}

// "Test on device" and "Save on device" as the window runs them: the
// window's plan judged with its data, then backup read, options, plan,
// [store,] read-back.
void windowSendFigures(SwitchTransfers &transfers, const SharedCatalogue &data, const BandPlan &plan,
                       int runs)
{
    const auto windowSend = [&](const char *name, bool store) {
        double block = 0;
        const Figures figures = measure(runs, [&] {
            const BlockMonitor monitor;
            const PlanVerdict verdict = PlanPreparation(data).judge(plan);
            if (!verdict.check.passed() || !verdict.words.sendable())
                throw std::runtime_error(std::string(name) + ": the plan cannot be sent");
            const TransferEnd end =
                awaitTransfer(transfers, name, [&] { transfers.sendPrepared(verdict, store, data); });
            block = std::max(block, monitor.longestMs());
            if (!end.done())
                throw std::runtime_error(end.result.message.toStdString());
        });
        const double floor = sum(sendPauses(store));
        std::printf(
            "%s against a prompt switch: median %7.1f ms (min %7.1f, max %7.1f) | floor %5.0f ms: ratio "
            "%.3f (goal %.2f)\n",
            name, figures.median, figures.min, figures.max, floor, figures.median / floor, sequenceGoal);
        printBlock((std::string(name) + ", prompt switch:").c_str(), block);
    };
    windowSend("\"Test on device\"", false);
    windowSend("\"Save on device\"", true);
}

constexpr int trickleMs = 80;

// The search against a switch that trickles from the start: identification
// at every tick. 0 when it ran.
int identificationFigures(const QString &directory)
{
    QProcess trickling;
    const QString tricklingLink = directory + QStringLiteral("/trickling");
    if (!startSimulator(trickling, tricklingLink,
                        {QStringLiteral("--trickle"), QString::number(trickleMs)})) {
        std::fprintf(stderr, "bench: the trickling simulator did not start\n");
        return 1;
    }
    SerialPortHandler searching(
        [tricklingLink] { return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(tricklingLink)}; });
    int ticks = 0;
    QObject::connect(&searching, &SerialPortHandler::deviceMissing, [&ticks] { ++ticks; });
    constexpr int tickCount = 3;
    double longestBlock = 0;
    bool ticked = false;
    {
        const BlockMonitor monitor;
        searching.startDeviceSearch();
        ticked = runUntil([&ticks] { return ticks >= tickCount; }, tickCount * 3000 + 5000);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        longestBlock = monitor.longestMs();
    }
    stop(trickling);
    if (!ticked) {
        std::fprintf(stderr, "bench: the trickling switch was not tried %d times\n", tickCount);
        return 1;
    }
    std::printf("identification of a trickling switch every 3 s, %d ticks:\n", tickCount);
    printBlock("identification, trickling switch:", longestBlock);
    return 0;
}

// The window's sends, then "Read from device" against a switch that starts
// trickling, then the search against one that trickles from the start. 0
// when all ran.
int trickleFigures(const QString &directory, QProcess &simulator, const QString &link, int runs)
{
    constexpr double readGoalMs = 1500;
    if (!writeCache(directory)) {
        std::fprintf(stderr, "bench: cannot write the satellite cache\n");
        return 1;
    }
    Environment environment;
    environment.connection = {QStringLiteral("127.0.0.1"), QStringLiteral("none"), QString(), QString(), 1};
    environment.cacheDirectory = directory;
    environment.backupDirectory = directory + QStringLiteral("/backups");
    SatelliteData satellites(environment);
    satellites.loadNow();
    const SharedCatalogue data = satellites.catalogue();
    const SwitchAccess access(environment);
    const std::unique_ptr<SwitchAccess::Connected> connected =
        access.connectTo(SerialPortCandidate::ofSwitch(link));
    if (!connected) {
        std::fprintf(stderr, "bench: the simulator was not found\n");
        return 1;
    }
    SwitchTransfers &transfers = *connected->transfers;
    BandPlan plan = BandPlan::defaultPlan();
    plan.lnb1 = QStringLiteral("Sat 1");
    plan.lnb2 = QStringLiteral("Sat 1");
    windowSendFigures(transfers, data, plan, std::min(runs, 5));

    if (!control(simulator, "trickle " + QByteArray::number(trickleMs))) {
        std::fprintf(stderr, "bench: the simulator did not take the trickle\n");
        return 1;
    }
    const int readRuns = std::min(runs, 5);
    double readBlock = 0;
    const Figures read = measure(readRuns, [&] {
        const BlockMonitor monitor;
        const TransferEnd end =
            awaitTransfer(transfers, "the read", [&] { transfers.read(plan.lnb1, plan.lnb2, data); });
        readBlock = std::max(readBlock, monitor.longestMs());
        if (end.done())
            throw std::runtime_error("the trickling read did not end in an error");
    });
    std::printf("read against a trickling switch (1 byte / %d ms), %d runs: to the error median %7.1f ms "
                "(min %7.1f, max %7.1f) | goal %4.0f ms: ratio %.3f\n",
                trickleMs, readRuns, read.median, read.min, read.max, readGoalMs, read.median / readGoalMs);
    printBlock("read against a trickling switch:", readBlock);
    return identificationFigures(directory);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The "Writing"/"Reading" lines would cost more than the exchanges.
    QLoggingCategory::setFilterRules(QStringLiteral("fenzo.*.debug=false"));
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    if (!QFileInfo::exists(simulatorProgram)) {
        std::fprintf(stderr, "bench: %s not built (ninja switch-sim)\n", qPrintable(simulatorProgram));
        return 1;
    }

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench: no temporary directory\n");
        return 1;
    }
    const QString link = dir.filePath(QStringLiteral("switch"));
    QProcess simulator;
    if (!startSimulator(simulator, link, {})) {
        std::fprintf(stderr, "bench: the simulator did not start\n");
        return 1;
    }
    const auto stopSimulator = [&simulator] { stop(simulator); };

    const auto ports = [link] { return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)}; };
    auto handler = std::make_unique<SerialPortHandler>(ports);
    QEventLoop loop;
    bool found = false;
    QObject::connect(handler.get(), &SerialPortHandler::deviceFound, &loop, [&] {
        found = true;
        loop.quit();
    });
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    handler->startDeviceSearch();
    loop.exec();
    if (!found) {
        std::fprintf(stderr, "bench: the simulator was not found\n");
        stopSimulator();
        return 1;
    }

    int status = 0;
    try {
        OperationRunner &runner = handler->operations();
        const PlanWords words =
            PlanWords::encode(dynamicPlan(), QString(), QString(), SatelliteCatalogue(), [] { return 6u; });
        const SendPlanOperation::Plan sent{true, false, true, words.words(), QString(), QString()};
        const PlanBackup backups(dir.filePath(QStringLiteral("backups")));
        const auto sendOperation = [&](bool store) {
            return std::make_unique<SendPlanOperation>(sent, store, SharedCatalogue(), backups,
                                                       handler->serialNumber(), QStringLiteral("%1"));
        };
        const auto readOperation = [] {
            return std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue());
        };
        std::printf("operations against the simulator, %d runs each\n", runs);
        const auto sequence = [&](const char *name,
                                  const std::function<std::unique_ptr<DeviceOperation>()> &make,
                                  const std::vector<unsigned long> &pauses) {
            double block = 0;
            const Figures figures = measure(runs, [&] {
                const BlockMonitor monitor;
                runOperation(runner, make());
                block = std::max(block, monitor.longestMs());
            });
            const Figures slept = measure(runs, [&pauses] {
                for (unsigned long pause : pauses)
                    QThread::msleep(pause);
            });
            print(name, figures, sum(pauses), slept);
            printBlock((std::string(name) + ", prompt switch:").c_str(), block);
        };
        sequence("read", readOperation, readPauses);
        sequence(
            "test", [&] { return sendOperation(false); }, sendPauses(false));
        sequence(
            "store", [&] { return sendOperation(true); }, sendPauses(true));
        handler.reset(); // the transfers below open the port themselves

        status = trickleFigures(dir.path(), simulator, link, runs);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench: exchange failed: %s\n", e.what());
        status = 1;
    }
    stopSimulator();
    return status;
}
