// Time of the device sequences against the switch simulator on a real
// pseudo-terminal, beside the protocol's floor: the pauses after the commands
// (write: 3 x 50 ms + 100 ms, read: 4 x 100 ms), both as the fixed figure and
// as measured here by sleeping the same pauses.
//
//   bench_device [RUNS]      (default 10; needs the switch-sim target built)

#include "device/SerialPortHandler.h"

#include <QCoreApplication>
#include <QEventLoop>
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
#include <stdexcept>
#include <vector>

namespace {
const QString simulatorProgram = QStringLiteral(FENZO_BINARY_DIR "/tools/switch-sim/switch-sim");

QList<UBRecord> dynamicPlan()
{
    QList<UBRecord> list;
    for (int ub = 23; ub >= 0; --ub) {
        UBRecord record;
        record.ubNumber = quint32(ub);
        record.line = quint32(ub % 4);
        record.freq = slotFrequency(record.ubNumber);
        list << record;
    }
    return list;
}

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

void print(const char *name, const Figures &figures, double floor, const Figures &slept)
{
    std::printf("%-6s median %7.1f ms (min %7.1f, max %7.1f) | floor %5.0f ms: ratio %.3f | pauses slept "
                "here %7.1f ms: ratio %.3f\n",
                name, figures.median, figures.min, figures.max, floor, figures.median / floor, slept.median,
                figures.median / slept.median);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The "Writing"/"Reading" lines would cost more than the exchanges.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
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
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start(simulatorProgram, {QStringLiteral("--link"), link, QStringLiteral("--serial"),
                                       QStringLiteral("KVNBENCH1")});
    if (!simulator.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench: the simulator did not start\n");
        return 1;
    }
    const auto stopSimulator = [&simulator] {
        ::kill(pid_t(simulator.processId()), SIGTERM);
        if (!simulator.waitForFinished(3000))
            simulator.kill();
    };

    SerialPortHandler handler(nullptr, [link] { return QList<SerialPortCandidate>{{link, 0x0483, 0x5740}}; });
    QEventLoop loop;
    bool found = false;
    QObject::connect(&handler, &SerialPortHandler::deviceFound, &loop, [&] {
        found = true;
        loop.quit();
    });
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    handler.startDeviceSearch();
    loop.exec();
    if (!found) {
        std::fprintf(stderr, "bench: the simulator was not found\n");
        stopSimulator();
        return 1;
    }

    const QList<UBRecord> plan = dynamicPlan();
    int status = 0;
    try {
        const Figures write = measure(runs, [&] {
            handler.writeLteFilter(true);
            handler.writeStandBy(false);
            handler.writeTerrestrialPatchActive(true);
            handler.writeConfiguration(plan, QString(), QString());
        });
        const Figures read = measure(runs, [&] {
            handler.readLteFilter();
            handler.readStandBy();
            handler.readTerrestrialPatchActive();
            QString lnb1, lnb2;
            if (handler.readConfiguration(lnb1, lnb2).size() != 24)
                throw std::runtime_error("short configuration");
        });
        const Figures writePauses = measure(runs, [] {
            for (unsigned long pause : {50ul, 50ul, 50ul, 100ul})
                QThread::msleep(pause);
        });
        const Figures readPauses = measure(runs, [] {
            for (int i = 0; i < 4; ++i)
                QThread::msleep(100);
        });
        std::printf("device sequences against the simulator, %d runs each\n", runs);
        print("write", write, 250, writePauses);
        print("read", read, 400, readPauses);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench: exchange failed: %s\n", e.what());
        status = 1;
    }
    stopSimulator();
    return status;
}
