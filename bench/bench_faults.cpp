// Start-up of the program when the line to the satellite server breaks:
// the time to the window's first drawn frame, to the first usable window
// (satellite data in place, from the offline cache or the built-in data at
// first, and a frame drawn with them) and to the download's result taken in,
// for a normal start and for no server (with the cache, and with the built-in
// data alone), a silent server, dropped packets and a line cut near the end
// of the download, each beside the normal start of the same run. Then the
// built-in data's size and the cost to load them beside the cost to load the
// same data from the offline cache.
//
//   bench_faults [PORT] [RUNS]     (defaults 33395 and 3; headless, software renderer)
//
// Starts its own throwaway server with tools/devdb/devdb on PORT and puts
// tools/delay-relay (no delay, with its --fault) in front of it on a free port.

#include "BenchSupport.h"
#include "CacheFile.h"
#include "RelayProcess.h"
#include "app/ProgramWindow.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
using bench::median;
using bench::runDevdb;

struct Times
{
    double firstFrame = -1;
    double usable = -1;
    double downloadTaken = -1;
};

// One start of the interface as the program makes it.
Times startOnce(const QString &host, int port, const QString &cacheDirectory)
{
    QQmlApplicationEngine engine;
    Environment environment;
    environment.connection = {host, QStringLiteral("satellites"), QStringLiteral("fenzo_ro"),
                              QStringLiteral("fenzo"), port};
    environment.cacheDirectory = cacheDirectory;
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    QElapsedTimer timer;
    timer.start();
    ProgramWindow program(environment);
    UBModelController &controller = program.controller();
    bool ready = false;
    QObject::connect(&controller, &UBModelController::satelliteDataReady, &controller, [&] { ready = true; });
    program.load(engine);
    program.start();
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    Times times;
    if (!window)
        return times;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&] {
        const double now = timer.nsecsElapsed() / 1e6;
        if (times.firstFrame < 0)
            times.firstFrame = now;
        if (times.usable < 0 && !controller.availableSatelites().isEmpty())
            times.usable = now;
        if (ready && times.downloadTaken < 0)
            times.downloadTaken = now;
    });
    QObject::connect(&controller, &UBModelController::satelliteDataReady, window, &QQuickWindow::update);
    while ((times.usable < 0 || times.downloadTaken < 0) && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->close();
    return times;
}

// The built-in data: their size, and loading them beside loading the same
// data from an offline cache file.
void builtInCost(int runs)
{
    const BuiltInSatellites::Data data = BuiltInSatellites::load();
    if (data.items.empty()) {
        std::printf("built-in data: none (%s)\n", qPrintable(data.reason));
        return;
    }
    QTemporaryDir dir;
    if (!CacheFile::writeCacheFile(dir.path(), data.items, data.params))
        return;
    const auto noBuiltIn = [] { return BuiltInSatellites::Data(); };
    const SqlHandler::Connection nowhere{QStringLiteral("no-server!"), {}, {}, {}, -1};
    std::vector<double> builtIn, cached;
    for (int i = 0; i < std::max(runs, 20); ++i) {
        QElapsedTimer timer;
        timer.start();
        const BuiltInSatellites::Data again = BuiltInSatellites::load();
        builtIn.push_back(timer.nsecsElapsed() / 1e6);
        SqlHandler handler(nowhere, dir.path(), &QDateTime::currentDateTime, noBuiltIn);
        timer.restart();
        handler.loadLocalData();
        cached.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double b = median(builtIn);
    const double c = median(cached);
    std::printf("built-in data: %lld bytes (resource), %d satellites; load %.2f ms, the same from the cache "
                "(%lld bytes) %.2f ms: %.2f x\n",
                QFileInfo(BuiltInSatellites::defaultPath()).size(), int(data.items.size()), b,
                QFileInfo(dir.path() + QStringLiteral("/db.dat")).size(), c, b / c);
}

} // namespace

int main(int argc, char **argv)
{
    bench::preferHeadless();
    QGuiApplication app(argc, argv);
    app.setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\nqt.qml.*=false"));
    const int serverPort = argc > 1 ? atoi(argv[1]) : 33395;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    const QString dataDir = QStringLiteral(FENZO_BINARY_DIR "/bench-faults-db");
    if (!runDevdb({QStringLiteral("start"), QStringLiteral("--datadir"), dataDir, QStringLiteral("--port"),
                   QString::number(serverPort), QStringLiteral("--data"), QStringLiteral("realistic")})) {
        std::fprintf(stderr, "bench: devdb could not start a server on port %d\n", serverPort);
        return 1;
    }
    QTemporaryDir cache;
    // The size of a whole download, and a good cache for the broken starts.
    int whole = -1;
    {
        Relay counting({}, serverPort);
        {
            SqlHandler handler(counting.connection(), cache.path());
            handler.connectToDatabase();
        }
        whole = counting.serverBytesOfLastConnection();
    }
    std::printf("whole download: %d bytes from the server\n", whole);

    struct Case
    {
        const char *name;
        QStringList options; // of the relay; "none": no server at all
        bool cache;
    };
    const QStringList none{QStringLiteral("none")};
    const Case cases[] = {
        {"normal start", {}, true},
        {"no server, cache", none, true},
        {"no server, built in", none, false},
        {"silent server, cache", {QStringLiteral("--fault"), QStringLiteral("silent")}, true},
        {"dropped packets, cache", {QStringLiteral("--fault"), QStringLiteral("blackhole")}, true},
        {"cut 10 bytes before the end",
         {QStringLiteral("--fault"), QStringLiteral("cut:%1").arg(whole - 10)},
         true},
    };
    QTemporaryDir noCache;
    double normal[3] = {-1, -1, -1};
    std::printf("%-28s %10s %6s %10s %6s %12s %8s\n", "case", "frame ms", "x", "usable ms", "x",
                "download ms", "x");
    for (const Case &c : cases) {
        const bool noServer = c.options == none;
        std::unique_ptr<Relay> relay;
        if (!noServer)
            relay = std::make_unique<Relay>(c.options, serverPort);
        const QString host = noServer ? QStringLiteral("no-server!") : QStringLiteral("127.0.0.1");
        const int port = relay ? relay->port : -1;
        const QString directory = c.cache ? cache.path() : noCache.path();
        std::vector<double> frames, usable, taken;
        startOnce(host, port, directory); // warm-up, not counted
        for (int i = 0; i < runs; ++i) {
            const Times times = startOnce(host, port, directory);
            frames.push_back(times.firstFrame);
            usable.push_back(times.usable);
            taken.push_back(times.downloadTaken);
        }
        const double values[3] = {median(frames), median(usable), median(taken)};
        if (normal[0] < 0)
            std::copy(values, values + 3, normal);
        std::printf("%-28s %10.1f %6.2f %10.1f %6.2f %12.1f %8.2f\n", c.name, values[0],
                    values[0] / normal[0], values[1], values[1] / normal[1], values[2],
                    values[2] / normal[2]);
        std::fflush(stdout);
    }
    builtInCost(runs);
    runDevdb({QStringLiteral("stop"), QStringLiteral("--datadir"), dataDir});
    return 0;
}
