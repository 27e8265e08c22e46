// A download given up at its deadline: a connection that never opened is
// not reported as broken off, and its worker, still waiting on a silent
// line, does not hold the end of the program. The application object of the test's own
// main() cannot be destroyed inside a test, so a child process of this
// program plays it.

#include "RelayProcess.h"
#include "db/SatelliteDownload.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {
const char *const childOption = "--abandon-download";

// The child: a download through the silent line on `port`, given up after
// 200 ms, then the application object destroyed. Prints "opened running
// milliseconds-the-end-took": a worker still waiting for the server's
// greeting (6 s time-out) must not hold the end of the program.
int abandonDownload(int argc, char **argv, int port)
{
    auto app = std::make_unique<QCoreApplication>(argc, argv);
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
    void abandonedWorkerDoesNotHoldTheEnd()
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
        QCOMPARE(figures.size(), 3);
        QCOMPARE(figures.at(0), QStringLiteral("0")); // the silent server never let it open
        QCOMPARE(figures.at(1), QStringLiteral("1")); // still waiting when given up
        // The end waits about a second at most, whatever the server does.
        QVERIFY2(figures.at(2).trimmed().toInt() < 1500, qPrintable(figures.join(' ')));
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
