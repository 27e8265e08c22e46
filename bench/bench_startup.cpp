// Start-up of the interface as the program makes it (ProgramWindow, with no
// server: the satellite data come from the offline cache): from creating the
// window's parts to the window's first frame, for a small and a large
// satellite set, beside the first frame of an empty window measured in the
// same run (on the wall clock and in processor time, which other work on a
// shared machine does not stretch); the peak memory of such a start beside that of an empty Controls 2
// window (each in a process of its own); the time the band list's shared
// transponder lists take to build, and the offline cache's read alone.
//
//   bench_startup [RUNS]      (default 5; runs headless with the software renderer)
//
// Any warning or error on the way (a QML error above all) fails the run with
// exit status 1: a window that does not load as the program's does not
// measure the program.

#include "BenchSupport.h"
#include "CacheFile.h"
#include "OfflineEnvironment.h"
#include "app/ProgramWindow.h"
#include "controller/TransponderLists.h"
#include "db/OfflineCacheFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {
std::atomic<int> warningsSeen{0};
QtMessageHandler previousHandler = nullptr;

// Counts every warning, critical and fatal message, and passes all on.
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++warningsSeen;
    previousHandler(type, context, text);
}

// A cache file of `satellites` satellites with `rows` transponders each.
bool writeCache(const QString &directory, int satellites, int rows)
{
    CacheFile::Satelites data;
    QVector<SateliteParams> params;
    for (int s = 0; s < satellites; ++s)
        CacheFile::addSatellite(data, params, QStringLiteral("Sat %1").arg(s, 3, 10, QLatin1Char('0')),
                                quint32(s % 127 + 1), 1, rows, 10700, 10);
    return CacheFile::writeCacheFile(directory, data, params);
}

// Milliseconds of the process's processor time since `start`. On a machine
// that others share, the wall clock also counts their turns; this does not.
double cpuMsSince(std::clock_t start)
{
    return double(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
}

// Until the first frame of a window: milliseconds on the wall clock and of
// processor time; -1 each when the window made none.
struct FrameTime
{
    double wall;
    double cpu;
};

// The time until the first frame of the window made by `load`, taken when
// the frame is swapped: what the same turn of the event loop does after it
// (a queued call, say) is not the first frame's.
template <typename Load> FrameTime untilFirstFrame(QQmlApplicationEngine &engine, Load load)
{
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    load();
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return {-1, -1};
    FrameTime time{-1, -1};
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&] {
        if (time.wall < 0)
            time = {timer.nsecsElapsed() / 1e6, cpuMsSince(cpuStart)};
    });
    while (time.wall < 0 && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->close();
    return time;
}

using bench::median;

struct Figures
{
    FrameTime firstFrame;
    double cacheFill;
};

Figures programStart(const QString &cacheDirectory)
{
    QQmlApplicationEngine engine;
    std::unique_ptr<ProgramWindow> window;
    Figures figures{};
    figures.firstFrame = untilFirstFrame(engine, [&] {
        window = std::make_unique<ProgramWindow>(OfflineEnvironment::in(cacheDirectory));
        window->load(engine);
        window->start();
    });

    // The band list's shared transponder lists, every one built afresh for
    // the data in memory.
    QElapsedTimer timer;
    timer.start();
    UBModelController &controller = window->controller();
    TransponderLists lists(controller.catalogue());
    for (const QString &name : controller.availableSatelites()) {
        if (!lists.forSatellite(name))
            return {figures.firstFrame, -1};
    }
    figures.cacheFill = timer.nsecsElapsed() / 1e6;
    return figures;
}

const char emptyWindowQml[] = "import QtQuick 2.7\nimport QtQuick.Controls 2.0\n"
                              "ApplicationWindow { visible: true; width: 950; height: 550 }";

FrameTime emptyWindow()
{
    QQmlApplicationEngine engine;
    return untilFirstFrame(engine, [&] { engine.loadData(emptyWindowQml); });
}

// Peak resident memory of this process in KiB, -1 when unknown. Read from
// /proc: getrusage() keeps the figure across exec, so a child would report
// the peak of the parent it was forked from.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// In a process of its own: one start of `what` ("program" with the cache in
// `directory`, or "empty"), then its peak memory on standard output.
int measureMemory(const char *what, const QString &directory)
{
    const bool program = std::strcmp(what, "program") == 0;
    const FrameTime frame = program ? programStart(directory).firstFrame : emptyWindow();
    if (frame.wall < 0)
        return 1;
    const long peak = peakKiB();
    std::printf("%ld\n", peak);
    return peak > 0 ? 0 : 1;
}

// The median peak memory of `runs` processes measuring `what`; -1 on failure.
double childPeak(const QString &what, const QString &directory, int runs)
{
    std::vector<double> peaks;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), what, directory});
        if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0)
            return -1;
        bool number = false;
        const double kib = child.readAllStandardOutput().trimmed().toDouble(&number);
        if (!number)
            return -1;
        peaks.push_back(kib);
    }
    return median(peaks);
}

// The median time of reading the offline cache in `directory` alone, as a
// start reads it; -1 when it could not be read.
double cacheRead(const QString &directory, int runs)
{
    const OfflineCacheFile file(directory + QStringLiteral("/db.dat"), 1);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        SatelliteTables tables;
        QString reason;
        QElapsedTimer timer;
        timer.start();
        if (!file.read(&tables, &reason))
            return -1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

struct Set
{
    const char *name;
    int satellites;
    int rows;
};

// The first-frame figures of every set; false when one could not be made.
bool startFigures(int runs, const FrameTime &base, QString *smallCache, QTemporaryDir &smallDir)
{
    const Set sets[] = {{"small (10 x 60)", 10, 60}, {"large (200 x 200)", 200, 200}};
    double smallFrame = 0;
    for (const Set &set : sets) {
        QTemporaryDir largeDir;
        QTemporaryDir &dir = smallFrame == 0 ? smallDir : largeDir;
        if (!writeCache(dir.path(), set.satellites, set.rows)) {
            std::fprintf(stderr, "bench: cannot write the cache\n");
            return false;
        }
        std::vector<double> frames, cpuTimes, fills;
        for (int i = 0; i < runs; ++i) {
            const Figures figures = programStart(dir.path());
            if (figures.firstFrame.wall < 0)
                return false;
            frames.push_back(figures.firstFrame.wall);
            cpuTimes.push_back(figures.firstFrame.cpu);
            fills.push_back(figures.cacheFill);
        }
        if (smallFrame == 0) {
            smallFrame = median(frames);
            *smallCache = dir.path();
        }
        const double read = cacheRead(dir.path(), runs);
        if (read < 0) {
            std::fprintf(stderr, "bench: the cache could not be read\n");
            return false;
        }
        std::printf("%-18s first frame %.1f ms = %.1f x the empty window, %.2f x the small set; "
                    "transponder lists filled in %.1f ms\n",
                    set.name, median(frames), median(frames) / base.wall, median(frames) / smallFrame,
                    median(fills));
        std::printf("%-18s first frame's processor time %.1f ms = %.1f x the empty window's\n", set.name,
                    median(cpuTimes), median(cpuTimes) / base.cpu);
        std::printf("%-18s offline cache read alone in %.2f ms\n", set.name, read);
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    bench::preferHeadless();
    QGuiApplication app(argc, argv);
    // Counted from here: what the platform says of the machine while the
    // application starts (no XDG_RUNTIME_DIR, say) is no fault of the window.
    previousHandler = qInstallMessageHandler(countWarnings);
    // The program's identity: the file dialogs keep their state under it.
    app.setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    if (argc == 4 && std::strcmp(argv[1], "--memory") == 0)
        return measureMemory(argv[2], QString::fromLocal8Bit(argv[3])) != 0 || warningsSeen > 0 ? 1 : 0;
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    emptyWindow(); // warm up the QML type loader
    std::vector<double> baseline, baselineCpu;
    for (int i = 0; i < runs; ++i) {
        const FrameTime time = emptyWindow();
        baseline.push_back(time.wall);
        baselineCpu.push_back(time.cpu);
    }
    const FrameTime base{median(baseline), median(baselineCpu)};
    std::printf("empty window, first frame: %.1f ms (median of %d)\n", base.wall, runs);
    std::printf("empty window, first frame's processor time: %.2f ms\n", base.cpu);

    QTemporaryDir smallDir;
    QString smallCache;
    if (!startFigures(runs, base, &smallCache, smallDir)) {
        std::fprintf(stderr, "bench: the window made no first frame\n");
        return 1;
    }
    const double emptyPeak = childPeak(QStringLiteral("empty"), QString(), runs);
    const double programPeak = childPeak(QStringLiteral("program"), smallCache, runs);
    if (emptyPeak <= 0 || programPeak <= 0) {
        std::fprintf(stderr, "bench: a memory run failed\n");
        return 1;
    }
    std::printf("peak memory (own process, median of %d): empty Controls 2 window %.1f MiB, offline start of "
                "the window (small set) %.1f MiB = %.2f x\n",
                runs, emptyPeak / 1024, programPeak / 1024, programPeak / emptyPeak);
    if (warningsSeen > 0) {
        std::fprintf(stderr, "bench: %d warnings or errors (above): not the program's start\n",
                     int(warningsSeen));
        return 1;
    }
    return 0;
}
