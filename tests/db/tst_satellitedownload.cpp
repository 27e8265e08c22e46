// A download given up at its deadline: a connection that never opened is
// not reported as broken off, and its worker, still waiting on a silent
// line, ends before the application object does (the database driver ends
// its client library there). The application object of the test's own
// main() cannot be destroyed inside a test, so a child process of this
// program plays it.

#include "RelayProcess.h"
#include "db/SatelliteDownload.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {
const char *const childOption = "--abandon-download";

// The threads of this process.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// The child: a download through the silent line on `port`, given up after
// 200 ms, then the application object destroyed. Prints "opened threads-
// before threads-after". A joined thread may take a moment to leave
// /proc/self/task, so "after" is read until it drops, for at most 3 s: far
// less than the 6 s a worker left on the silent line would still live.
int abandonDownload(int argc, char **argv, int port)
{
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    const int before = threadCount();
    SqlHandler::Download result;
    {
        SqlHandler::Connection connection{QStringLiteral("127.0.0.1"), QStringLiteral("satellites"),
                                          QStringLiteral("fenzo_ro"), QStringLiteral("fenzo"), port};
        connection.timeoutSeconds = 6;
        SatelliteDownload download(connection, 200);
        QEventLoop wait;
        QObject::connect(&download, &SatelliteDownload::finished, &wait,
                         [&](const SqlHandler::Download &finished) {
                             result = finished;
                             wait.quit();
                         });
        wait.exec();
    }
    const int running = SatelliteDownload::runningWorkers();
    app.reset();
    QElapsedTimer sinceEnd;
    sinceEnd.start();
    int after = threadCount();
    while (after > before && sinceEnd.elapsed() < 3000) {
        QThread::msleep(10);
        after = threadCount();
    }
    std::printf("%d %d %d %d\n", int(result.opened), running, before, after);
    return 0;
}
} // namespace

class SatelliteDownloadTest : public QObject
{
    Q_OBJECT

private slots:
    void abandonedWorkerEndsWithTheApplication()
    {
        Relay relay({QStringLiteral("--fault"), QStringLiteral("silent")}, 1);
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(childOption), QString::number(relay.port)});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QStringList figures =
            QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
        QCOMPARE(figures.size(), 4);
        QCOMPARE(figures.at(0), QStringLiteral("0")); // the silent server never let it open
        QCOMPARE(figures.at(1), QStringLiteral("1")); // still waiting when given up
        // Once the application object is gone, no thread of the download is left.
        QVERIFY2(figures.at(3).trimmed().toInt() <= figures.at(2).toInt(), qPrintable(figures.join(' ')));
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], childOption) == 0)
        return abandonDownload(argc, argv, QByteArray(argv[2]).toInt());
    QCoreApplication app(argc, argv);
    SatelliteDownloadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_satellitedownload.moc"
