// Start-up of the interface: from creating the model and controller (the
// satellite data loaded from the offline cache) to the first frame of the
// window, for a small and a large satellite set, beside the first frame of an
// empty window measured in the same run; and the time the band list's shared
// transponder lists take to build.
//
//   bench_startup [RUNS]      (default 5; runs headless with the software renderer)

#include "BenchSupport.h"
#include "CacheFile.h"
#include "controller/TransponderLists.h"
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
#include <vector>

namespace {
// A cache file of `satellites` satellites with `rows` transponders each.
bool writeCache(const QString &directory, int satellites, int rows)
{
    CacheFile::Satelites data;
    QVector<SateliteParams> params;
    for (int s = 0; s < satellites; ++s) {
        const QString name = QStringLiteral("Sat %1").arg(s, 3, 10, QLatin1Char('0'));
        const quint32 satId = quint32(s % 127 + 1);
        QVector<TransponderItem> &items = data[name];
        for (int r = 0; r < rows; ++r) {
            const quint32 frequency = quint32(10700 + 10 * r);
            items.append({quint32(r + 1), frequency, Polarisation::fromHorizontalBit(r % 2 == 1),
                          frequency < 11700 ? 9750u : 10600u, satId});
        }
        params.append({name, satId, 9750, 10600});
    }
    return CacheFile::writeCacheFile(directory, data, params);
}

// Milliseconds until the first frame of the window made by `load`.
template <typename Load>
double untilFirstFrame(QQmlApplicationEngine &engine, Load load)
{
    QElapsedTimer timer;
    timer.start();
    load();
    auto *window = engine.rootObjects().isEmpty() ? nullptr
                                                  : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return -1;
    bool swapped = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    while (!swapped && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = timer.nsecsElapsed() / 1e6;
    window->close();
    return ms;
}

using bench::median;

struct Figures
{
    double firstFrame;
    double cacheFill;
};

Figures programStart(const QString &cacheDirectory)
{
    QQmlApplicationEngine engine;
    UBDataModel model;
    UBModelController::Environment environment;
    environment.connection = {QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                              QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), 1};
    environment.cacheDirectory = cacheDirectory;
    environment.portLister = [] { return QList<SerialPortCandidate>(); };
    QStringListModel lnbModel;
    std::unique_ptr<UBModelController> controller;
    Figures figures{};
    figures.firstFrame = untilFirstFrame(engine, [&] {
        controller = std::make_unique<UBModelController>(&model, environment);
        engine.rootContext()->setContextProperty(QStringLiteral("ubListViewModel"), &model);
        engine.rootContext()->setContextProperty(QStringLiteral("ubModelController"), controller.get());
        engine.rootContext()->setContextProperty(QStringLiteral("lnbModel"), &lnbModel);
        engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
        controller->initialize();
        const QStringList satellites = controller->availableSatelites();
        lnbModel.setStringList(satellites);
        if (!satellites.isEmpty())
            model.setLnb1(satellites.at(0));
        if (satellites.size() >= 2)
            model.setLnb2(satellites.at(1));
    });

    // The band list's shared transponder lists, every one built afresh for
    // the data in memory.
    QElapsedTimer timer;
    timer.start();
    TransponderLists lists(controller->catalogue());
    for (const QString &name : controller->availableSatelites()) {
        if (!lists.forSatellite(name))
            return {figures.firstFrame, -1};
    }
    figures.cacheFill = timer.nsecsElapsed() / 1e6;
    return figures;
}

double emptyWindow()
{
    QQmlApplicationEngine engine;
    return untilFirstFrame(engine, [&] {
        engine.loadData("import QtQuick 2.7\nimport QtQuick.Controls 2.0\n"
                        "ApplicationWindow { visible: true; width: 950; height: 550 }");
    });
}
} // namespace

int main(int argc, char **argv)
{
    bench::preferHeadless();
    QGuiApplication app(argc, argv);
    app.setOrganizationDomain(QStringLiteral("fenzo-setup.invalid"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    struct Set
    {
        const char *name;
        int satellites;
        int rows;
    };
    const Set sets[] = {{"small (10 x 60)", 10, 60}, {"large (200 x 200)", 200, 200}};

    emptyWindow(); // warm up the QML type loader
    std::vector<double> baseline;
    for (int i = 0; i < runs; ++i)
        baseline.push_back(emptyWindow());
    const double base = median(baseline);
    std::printf("empty window, first frame: %.1f ms (median of %d)\n", base, runs);

    double smallFrame = 0;
    for (const Set &set : sets) {
        QTemporaryDir dir;
        if (!writeCache(dir.path(), set.satellites, set.rows)) {
            std::fprintf(stderr, "bench: cannot write the cache\n");
            return 1;
        }
        std::vector<double> frames, fills;
        for (int i = 0; i < runs; ++i) {
            const Figures figures = programStart(dir.path());
            frames.push_back(figures.firstFrame);
            fills.push_back(figures.cacheFill);
        }
        if (smallFrame == 0)
            smallFrame = median(frames);
        std::printf("%-18s first frame %.1f ms = %.1f x the empty window, %.2f x the small set; "
                    "transponder lists filled in %.1f ms\n",
                    set.name, median(frames), median(frames) / base, median(frames) / smallFrame, median(fills));
    }
    return 0;
}
