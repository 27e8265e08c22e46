// A download given up at its deadline: a connection that never opened is
// not reported as broken off, and its worker, still waiting on a silent
// line, does not hold the end of the program. The application object of the test's own
// main() cannot be destroyed inside a test, so a child process of this
// program plays it. A download in a process of its own (this program started
// again, as the window and the tool start themselves) stays within its
// memory whatever the server sends, and goes with the program.

#include "RelayProcess.h"
#include "StandInServer.h"
#include "TestDatabase.h"
#include "db/DownloadChild.h"
#include "db/DownloadTables.h"
#include "db/SatelliteDownload.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <QSocketNotifier>

#include <cstdio>
#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const char *const childOption = "--abandon-download";
const char *const stuckOption = "--stuck-download";

SqlHandler::Connection standInConnection(int port)
{
    SqlHandler::Connection connection{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                      QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port};
    connection.timeoutSeconds = 60;
    return connection;
}

// The child: a download in its own process on a server that never greets,
// its process id on standard output; a line on standard input ends the
// program as closing the window does.
int stuckDownload(int argc, char **argv, int port)
{
    QCoreApplication app(argc, argv);
    SatelliteDownload download(standInConnection(port), 600000, QCoreApplication::applicationFilePath());
    std::printf("%lld\n", download.processId());
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    return app.exec();
}

bool processExists(qint64 id)
{
    return ::kill(pid_t(id), 0) == 0;
}

// The child: a download through the faulty line on `port`, given up after
// `deadlineMs`, then the application object destroyed. Prints "opened
// running milliseconds-the-end-took": a worker still waiting for the
// server's greeting or its rows (6 s time-out) must not hold the end of the
// program.
int abandonDownload(int argc, char **argv, int port, int deadlineMs)
{
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    SqlHandler::Download result;
    {
        SqlHandler::Connection connection{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                          QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port};
        connection.timeoutSeconds = 6;
        SatelliteDownload download(connection, deadlineMs);
        QEventLoop wait;
        QObject::connect(&download, &SatelliteDownload::finished, &wait,
                         [&](const SqlHandler::Download &finished) {
                             result = finished;
                             wait.quit();
                         });
        wait.exec();
    }
    const int running = SatelliteDownload::runningWorkers();
    QElapsedTimer end;
    end.start();
    app.reset();
    std::printf("%d %d %d\n", int(result.opened), running, int(end.elapsed()));
    return 0;
}
} // namespace

class SatelliteDownloadTest : public QObject
{
    Q_OBJECT

private slots:
    void abandonedWorkerDoesNotHoldTheEnd_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("target"); // 1: nothing behind the relay
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<QString>("opened");
        // Never lets the connection open.
        QTest::newRow("silent server") << QStringLiteral("silent") << 1 << 200 << QStringLiteral("0");
        // Opens, then sends part of the tables and no more: a trickle that
        // has stopped. Given time to open on a busy machine.
        QTest::newRow("stalled in the rows")
            << QStringLiteral("stall:3000") << TestDatabase::port() << 2500 << QStringLiteral("1");
    }
    void abandonedWorkerDoesNotHoldTheEnd()
    {
        QFETCH(QString, fault);
        QFETCH(int, target);
        QFETCH(int, deadlineMs);
        QFETCH(QString, opened);
        if (target <= 0)
            QSKIP("no test database");
        Relay relay({QStringLiteral("--fault"), fault}, target);
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(
            QCoreApplication::applicationFilePath(),
            {QString::fromLatin1(childOption), QString::number(relay.port), QString::number(deadlineMs)});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QStringList figures =
            QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
        QCOMPARE(figures.size(), 3);
        QCOMPARE(figures.at(0), opened);
        const int endMs = figures.at(2).trimmed().toInt();
        if (opened == QLatin1String("0")) {
            // The end waits about a second at most, whatever the server does.
            QVERIFY2(endMs < 1500, qPrintable(figures.join(' ')));
        } else {
            // An open connection is shut down at the deadline: its worker
            // ends at once instead of being left behind after the end's
            // wait of SatelliteDownload::exitWaitMs.
            QVERIFY2(endMs < SatelliteDownload::exitWaitMs, qPrintable(figures.join(' ')));
        }
    }

    // Given up on while the server has not greeted it, the connection
    // ends at once: its worker does not wait out the connection's time-out,
    // here far longer than the test waits.
    void stopEndsAConnectionStillOpening()
    {
        Relay relay({QStringLiteral("--fault"), QStringLiteral("silent")}, 1);
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        SqlHandler::Connection connection{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                          QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), relay.port};
        connection.timeoutSeconds = 600;
        SatelliteDownload download(connection, 100);
        bool delivered = false;
        SqlHandler::Download result;
        connect(&download, &SatelliteDownload::finished, this, [&](const SqlHandler::Download &finished) {
            result = finished;
            delivered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(delivered, 20000);
        QVERIFY(!result.opened);
        QTRY_COMPARE_WITH_TIMEOUT(SatelliteDownload::runningWorkers(), 0, 30000);
    }

    // The download's process brings what a download on a thread of the
    // program brings: every table and row, the summaries, the connection's
    // kind; and a refusal with the reason the user reads.
    void processBringsWhatAThreadBrings_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("whole download") << QStringLiteral("fenzo");
        QTest::newRow("refused sign-in") << QStringLiteral("wrong");
    }
    void processBringsWhatAThreadBrings()
    {
        QFETCH(QString, password);
        if (TestDatabase::port() <= 0)
            QSKIP("no test database");
        SqlHandler::Connection connection = TestDatabase::fixtureConnection();
        connection.password = password;
        const auto run = [&](const QString &program) {
            SqlHandler::Download result;
            bool delivered = false;
            SatelliteDownload download(connection, 60000, program);
            connect(&download, &SatelliteDownload::finished, this, [&](const SqlHandler::Download &finished) {
                result = finished;
                delivered = true;
            });
            if (!QTest::qWaitFor([&] { return delivered; }, 60000))
                result.reason = QStringLiteral("not delivered");
            return result;
        };
        const SqlHandler::Download onThread = run(QString());
        const SqlHandler::Download inProcess = run(QCoreApplication::applicationFilePath());
        QCOMPARE(inProcess.reason, onThread.reason);
        QCOMPARE(inProcess.opened, onThread.opened);
        QCOMPARE(inProcess.complete, onThread.complete);
        QCOMPARE(inProcess.complete, password == QLatin1String("fenzo"));
        QCOMPARE(inProcess.encrypted, onThread.encrypted);
        QCOMPARE(inProcess.server.password, password);
        QVERIFY(inProcess.tables.items == onThread.tables.items);
        QVERIFY(inProcess.tables.params == onThread.tables.params);
        QCOMPARE(int(inProcess.tables.items.size()), inProcess.complete ? 10 : 0);
    }

    // A download process that answers nothing of the form, ends without an
    // outcome or goes on after it: the program says why and the process is
    // gone (a script stands in for it).
    void misbehavingProcessIsEnded_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("said");
        const QString damaged = QStringLiteral("the download process sent a damaged answer");
        QTest::newRow("garbage") << QByteArray("printf 'hello, world'; exec sleep 600") << damaged;
        QTest::newRow("huge message")
            << QByteArray("printf 'O\\377\\377\\377\\377'; exec sleep 600") << damaged;
        QTest::newRow("no outcome") << QByteArray("exit 3")
                                    << QStringLiteral("the download ended unexpectedly");
        QTest::newRow("more after the end")
            << QByteArray(
                   "printf 'E\\0\\0\\0\\030\\0\\0\\0\\0010\\0\\0\\0\\0010\\0\\0\\0\\0010\\0\\0\\0\\0010"
                   "\\0\\0\\0\\0O\\0\\0\\0\\0'; exec sleep 600")
            << QStringLiteral("the download process sent more after its end");
    }
    void misbehavingProcessIsEnded()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("download"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("#!/bin/sh\n" + script + "\n") > 0);
        file.close();
        QVERIFY(
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        bool delivered = false;
        SqlHandler::Download result;
        qint64 id = 0;
        {
            SatelliteDownload download(standInConnection(1), 120000, program);
            id = download.processId();
            connect(&download, &SatelliteDownload::finished, this, [&](const SqlHandler::Download &finished) {
                result = finished;
                delivered = true;
            });
            // Long before the deadline, though the script would sleep on.
            QTRY_VERIFY_WITH_TIMEOUT(delivered, 30000);
        }
        QVERIFY(id > 0);
        // Killed, and collected once the event loop hears of it.
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(id), 10000);
        QVERIFY(!result.complete);
        QCOMPARE(result.reason, said);
    }

    // A server that answers the list of tables with millions of column
    // descriptions, which the client library keeps before the program sees
    // one: the download's process ends at its memory budget with the reason,
    // long before the deadline, and never grows past it.
    void columnFloodEndsTheProcessAtItsBudget()
    {
        if (!DownloadChild::memoryBounded())
            QSKIP("this build runs the download's process without a memory limit (AddressSanitizer)");
        StandInServer server(QStringLiteral("columns"));
        QVERIFY2(server.port > 0, "tests/common/mysql-standin did not start");
        bool delivered = false;
        SqlHandler::Download result;
        {
            SatelliteDownload download(standInConnection(server.port), 120000,
                                       QCoreApplication::applicationFilePath());
            connect(&download, &SatelliteDownload::finished, this, [&](const SqlHandler::Download &finished) {
                result = finished;
                delivered = true;
            });
            QTRY_VERIFY_WITH_TIMEOUT(delivered, 120000);
        }
        QVERIFY(result.opened);
        QVERIFY(!result.complete);
        QCOMPARE(result.reason, DownloadTables::tooManyBytes(DownloadChild::memoryBudget));
        // The largest child of this test, the download's process among
        // them: its own size at the start (well below 256 MB) plus the budget.
        rusage children{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &children), 0);
        const qint64 largestKb = children.ru_maxrss;
        QVERIFY2(largestKb < (256 * 1024 * 1024 + DownloadChild::memoryBudget) / 1024,
                 qPrintable(QString::number(largestKb)));
    }

    // The program closed while its download waits for a server that never
    // greets: the program ends at once, and the download's process with it.
    void programEndsWhileTheDownloadConnects()
    {
        StandInServer server(QStringLiteral("silent"));
        QVERIFY2(server.port > 0, "tests/common/mysql-standin did not start");
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(stuckOption), QString::number(server.port)});
        QVERIFY(program.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(program.canReadLine(), 20000);
        const qint64 child = program.readLine().trimmed().toLongLong();
        QVERIFY(child > 0);
        // The download's process is connecting: the server took the line.
        QVERIFY(server.accepted(20000));
        QVERIFY(processExists(child));

        program.write("end\n");
        QVERIFY(program.waitForFinished(1000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!processExists(child));
    }
};

int main(int argc, char **argv)
{
    // The download's own process, as the program's main starts it.
    if (DownloadChild::isCall(argc, argv))
        return DownloadChild::run(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], stuckOption) == 0)
        return stuckDownload(argc, argv, QByteArray(argv[2]).toInt());
    if (argc == 4 && qstrcmp(argv[1], childOption) == 0)
        return abandonDownload(argc, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    QCoreApplication app(argc, argv);
    SatelliteDownloadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_satellitedownload.moc"
