// Start-up of the program when the line to the satellite server breaks:
// the time to the window's first drawn frame and to the first usable window
// (the satellite data in place, from the server or the offline cache, and a
// frame drawn with them), for a normal start and for a silent server, dropped
// packets and a line cut near the end of the download, each beside the normal
// start of the same run.
//
//   bench_faults [PORT] [RUNS]     (defaults 33395 and 3; headless, software renderer)
//
// Starts its own throwaway server with tools/devdb/devdb on PORT and puts
// tools/delay-relay (no delay, with its --fault) in front of it on a free port.

#include "BenchSupport.h"
#include "RelayProcess.h"
#include "controller/UBModelController.h"
#include "model/UBDataModel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QStringListModel>
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
};

// One start of the interface as the program makes it, against `port`.
Times startOnce(int port, const QString &cacheDirectory)
{
    QQmlApplicationEngine engine;
    UBDataModel model;
    UBModelController::Environment environment;
    environment.connection = {QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                              QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port};
    environment.cacheDirectory = cacheDirectory;
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    QStringListModel lnbModel;
    QElapsedTimer timer;
    timer.start();
    UBModelController controller(&model, environment);
    bool ready = false;
    QObject::connect(&controller, &UBModelController::satelliteDataReady, &controller, [&] {
        lnbModel.setStringList(controller.availableSatelites());
        ready = true;
    });
    engine.rootContext()->setContextProperty(QStringLiteral("ubListViewModel"), &model);
    engine.rootContext()->setContextProperty(QStringLiteral("ubModelController"), &controller);
    engine.rootContext()->setContextProperty(QStringLiteral("lnbModel"), &lnbModel);
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    controller.initializeInBackground();
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    Times times;
    if (!window)
        return times;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&] {
        const double now = timer.nsecsElapsed() / 1e6;
        if (times.firstFrame < 0)
            times.firstFrame = now;
        if (ready && times.usable < 0)
            times.usable = now;
    });
    QObject::connect(&controller, &UBModelController::satelliteDataReady, window, &QQuickWindow::update);
    while (times.usable < 0 && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->close();
    return times;
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
        QStringList options;
    };
    const Case cases[] = {
        {"normal start", {}},
        {"silent server", {QStringLiteral("--fault"), QStringLiteral("silent")}},
        {"dropped packets", {QStringLiteral("--fault"), QStringLiteral("blackhole")}},
        {"cut 10 bytes before the end",
         {QStringLiteral("--fault"), QStringLiteral("cut:%1").arg(whole - 10)}},
    };
    double normalFrame = -1;
    double normalUsable = -1;
    std::printf("%-30s %16s %10s %18s %10s\n", "case", "first frame ms", "x normal", "usable window ms",
                "x normal");
    for (const Case &c : cases) {
        Relay relay(c.options, serverPort);
        std::vector<double> frames;
        std::vector<double> usable;
        startOnce(relay.port, cache.path()); // warm-up, not counted
        for (int i = 0; i < runs; ++i) {
            const Times times = startOnce(relay.port, cache.path());
            frames.push_back(times.firstFrame);
            usable.push_back(times.usable);
        }
        const double frame = median(frames);
        const double use = median(usable);
        if (normalFrame < 0) {
            normalFrame = frame;
            normalUsable = use;
        }
        std::printf("%-30s %16.1f %10.2f %18.1f %10.2f\n", c.name, frame, frame / normalFrame, use,
                    use / normalUsable);
        std::fflush(stdout);
    }
    runDevdb({QStringLiteral("stop"), QStringLiteral("--datadir"), dataDir});
    return 0;
}
