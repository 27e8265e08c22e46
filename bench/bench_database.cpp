// Start-up cost of the satellite data: connectToDatabase() from a local
// MariaDB server and from the offline cache, for the realistic set and a
// large generated one, beside the bare cost of one "SELECT 1" round trip per
// table on the same server in the same run.
//
//   bench_database [PORT] [RUNS]      (defaults 33390 and 7)
//
// Starts its own throwaway servers with tools/devdb/devdb on PORT (below the
// build tree) and stops them again.

#include "db/SqlHandler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
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
const QString devdb = QStringLiteral(FENZO_SOURCE_DIR "/tools/devdb/devdb");

bool runDevdb(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(devdb, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "bench: devdb %s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
        return false;
    }
    return true;
}

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

bool measure(const QString &dataSet, int port, int runs)
{
    Server server(dataSet, port);
    if (!server.started)
        return false;
    const SqlHandler::Connection online{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                        QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port};
    const SqlHandler::Connection unreachable{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                             QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), 1};
    QTemporaryDir cacheDir;
    int tables = 0;
    int rows = 0;
    {
        SqlHandler handler(online, cacheDir.path());
        handler.connectToDatabase();
        const QStringList names = handler.availableSatelites();
        tables = names.size();
        for (const QString &name : names)
            rows += handler.itemsForSatelite(name).size() / 2;
    }

    const double fromServer = medianMs(runs, [&] {
        SqlHandler handler(online, cacheDir.path());
        handler.connectToDatabase();
    });
    const double fromCache = medianMs(runs, [&] {
        SqlHandler handler(unreachable, cacheDir.path());
        handler.connectToDatabase();
    });
    const Baseline bare = baseline(online, runs);
    if (bare.roundTripMs <= 0)
        return false;
    const double trips = bare.roundTripMs * tables;

    std::printf(
        "%-9s %3d tables %5d rows | SELECT 1 x %d: %6.2f ms (open %.2f ms) | server %7.2f ms = %5.1f x"
        " | cache %6.2f ms = %4.2f x\n",
        qPrintable(dataSet), tables, rows, tables, trips, bare.openMs, fromServer, fromServer / trips,
        fromCache, fromCache / trips);
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int port = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 33390;
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 7;
    if (port <= 0) {
        std::fprintf(stderr, "usage: bench_database [PORT] [RUNS]\n");
        return 2;
    }
    // The handlers' debug lines ("Connected to db", ...) would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    std::printf(
        "connectToDatabase(), median of %d runs, as a multiple of one SELECT 1 round trip per table\n", runs);
    try {
        if (!measure(QStringLiteral("realistic"), port, runs) ||
            !measure(QStringLiteral("large"), port, runs))
            return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
