// Start-up cost of the satellite data: connectToDatabase() from a local
// MariaDB server and from the offline cache, for the realistic set, a large
// generated one and the real one, beside the bare cost of one "SELECT 1"
// round trip per table on the same server in the same run. Then the same
// download through tools/delay-relay, which delays each direction by DELAY ms,
// as the number of round trips it cost (download time / one SELECT 1 through
// the relay).
//
//   bench_database [PORT] [RUNS] [DELAY]     (defaults 33390, 7 and 25)
//
// Starts its own throwaway servers with tools/devdb/devdb on PORT (below the
// build tree) and stops them again; the relay listens on a free port.

#include "BenchSupport.h"
#include "CatalogueRows.h"
#include "RelayProcess.h"
#include "db/SqlHandler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {
using bench::runDevdb;

// A server for the lifetime of this object.
class Server
{
public:
    Server(const QString &dataSet, int port) : dir(QStringLiteral(FENZO_BINARY_DIR "/bench-db"))
    {
        started =
            runDevdb({QStringLiteral("start"), QStringLiteral("--datadir"), dir, QStringLiteral("--port"),
                      QString::number(port), QStringLiteral("--data"), dataSet});
    }
    ~Server()
    {
        if (started)
            runDevdb({QStringLiteral("stop"), QStringLiteral("--datadir"), dir});
    }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;
    bool started = false;

private:
    QString dir;
};

double medianMs(int runs, const std::function<void()> &work)
{
    work(); // warm-up, not counted
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Baseline
{
    double roundTripMs = -1; // one "SELECT 1" on an open connection
    double openMs = -1;      // opening and closing a connection
};

Baseline baseline(const SqlHandler::Connection &connection, int runs)
{
    Baseline result;
    const QString name = QStringLiteral("baseline");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        db.setHostName(connection.hostName);
        db.setDatabaseName(connection.databaseName);
        db.setUserName(connection.userName);
        db.setPassword(connection.password);
        db.setPort(connection.port);
        bool opened = true;
        result.openMs = medianMs(runs, [&] {
            db.close();
            opened = opened && db.open();
        });
        if (opened) {
            QSqlQuery query(db);
            // Many single round trips: one alone is too short to time.
            result.roundTripMs = medianMs(std::max(101, runs), [&] {
                if (!query.exec(QStringLiteral("SELECT 1")) || !query.next())
                    throw std::runtime_error("SELECT 1 failed");
            });
        } else {
            std::fprintf(stderr, "bench: %s\n", qPrintable(db.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

struct Setup
{
    int port = 0;
    int runs = 0;
    int delayMs = 0;
};

SqlHandler::Connection connectionOn(int port)
{
    return {QStringLiteral("127.0.0.1"), QStringLiteral("satellites"), QStringLiteral("fenzo_ro"),
            QStringLiteral("fenzo"), port};
}

double downloadMs(const SqlHandler::Connection &connection, const QString &cacheDir, int runs)
{
    return medianMs(runs, [&] {
        SqlHandler handler(connection, cacheDir);
        handler.connectToDatabase();
    });
}

bool measure(const QString &dataSet, const Setup &setup)
{
    Server server(dataSet, setup.port);
    if (!server.started)
        return false;
    const SqlHandler::Connection online = connectionOn(setup.port);
    const SqlHandler::Connection unreachable = connectionOn(1);
    QTemporaryDir cacheDir;
    int tables = 0;
    int rows = 0;
    {
        SqlHandler handler(online, cacheDir.path());
        handler.connectToDatabase();
        const QStringList names = CatalogueRows::names(handler.catalogue());
        tables = names.size();
        for (const QString &name : names)
            rows += CatalogueRows::pairs(handler.catalogue(), name).size() / 2;
    }

    const double fromServer = downloadMs(online, cacheDir.path(), setup.runs);
    const double fromCache = downloadMs(unreachable, cacheDir.path(), setup.runs);
    const Baseline bare = baseline(online, setup.runs);
    if (bare.roundTripMs <= 0)
        return false;
    const double trips = bare.roundTripMs * tables;
    std::printf(
        "%-9s %3d tables %5d rows | SELECT 1 x %d: %6.2f ms (open %.2f ms) | server %7.2f ms = %5.1f x"
        " | cache %6.2f ms = %4.2f x\n",
        qPrintable(dataSet), tables, rows, tables, trips, bare.openMs, fromServer, fromServer / trips,
        fromCache, fromCache / trips);
    std::fflush(stdout);

    if (setup.delayMs <= 0)
        return true;
    Relay relay({QStringLiteral("--delay-ms"), QString::number(setup.delayMs)}, setup.port);
    if (relay.port <= 0) {
        std::fprintf(stderr, "bench: tools/delay-relay did not start\n");
        return false;
    }
    const SqlHandler::Connection slow = connectionOn(relay.port);
    // Fewer runs: each costs whole round trips of the relay.
    const int slowRuns = std::max(1, std::min(setup.runs, 5));
    const Baseline slowBare = baseline(slow, slowRuns);
    if (slowBare.roundTripMs <= 0)
        return false;
    const double fromSlowServer = downloadMs(slow, cacheDir.path(), slowRuns);
    std::printf("%-9s through the relay, %d ms each way: round trip %6.2f ms (open %.2f ms) | server %7.2f ms"
                " = %4.1f round trips (%d tables)\n",
                qPrintable(dataSet), setup.delayMs, slowBare.roundTripMs, slowBare.openMs, fromSlowServer,
                fromSlowServer / slowBare.roundTripMs, tables);
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Setup setup;
    setup.port = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 33390;
    setup.runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 7;
    setup.delayMs = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 25;
    if (setup.port <= 0 || setup.port >= 65535 || setup.delayMs < 0) {
        std::fprintf(stderr, "usage: bench_database [PORT] [RUNS] [DELAY]\n");
        return 2;
    }
    // The handlers' debug lines ("Connected to db", ...) would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    std::printf(
        "connectToDatabase(), median of %d runs, as a multiple of one SELECT 1 round trip per table\n",
        setup.runs);
    try {
        for (const char *dataSet : {"realistic", "large", "real"}) {
            if (!measure(QString::fromLatin1(dataSet), setup))
                return 1;
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
