// A line to the server that breaks: silent, stalled or cut at any point, or
// packets dropped. The attempt ends in bounded time, nothing of a broken
// download is kept, the last good cache stays byte for byte and is used, and
// the start-up says why. The faults come from tools/delay-relay --fault.

#include "CatalogueRows.h"
#include "RelayProcess.h"
#include "TestDatabase.h"
#include "controller/UBModelController.h"
#include "controller/UBDataModel.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TestDatabase;

namespace {
// What the issue of a broken line allows: ten seconds, whatever the server does.
constexpr qint64 boundMs = 10000;

const QByteArray previousCache()
{
    return cacheBytes({{QStringLiteral("Old"), {{1, 11000, Polarisation::H, 9750, 9}}}},
                      {{QStringLiteral("Old"), 9, 9750, 0}});
}
} // namespace

class DatabaseFaultsTest : public QObject
{
    Q_OBJECT

    // The bytes the server sends for a whole download of the realistic set.
    int wholeDownload = 0;

    // The fault option for a row: a kind and where it strikes (bytes from
    // the start; negative: from the end of a whole download).
    QStringList faultOption(const QString &kind, int bytes) const
    {
        if (kind == QLatin1String("silent") || kind == QLatin1String("blackhole"))
            return {QStringLiteral("--fault"), kind};
        const int at = bytes < 0 ? wholeDownload + bytes : bytes;
        return {QStringLiteral("--fault"), kind + QLatin1Char(':') + QString::number(at)};
    }

    static void addFaultRows()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("opened"); // the server's greeting got through
        // The reason the user reads, whatever the client library says.
        QTest::addColumn<QString>("said");
        const QString noAnswer = QStringLiteral("cannot be reached: no answer within 4 s");
        const QString brokeOff = QStringLiteral("the connection to server 127.0.0.1:");
        QTest::newRow("silent server") << QStringLiteral("silent") << 0 << false << noAnswer;
        QTest::newRow("packets dropped") << QStringLiteral("blackhole") << 0 << false << noAnswer;
        QTest::newRow("stall in the greeting") << QStringLiteral("stall") << 20 << false << noAnswer;
        QTest::newRow("cut in the greeting") << QStringLiteral("cut") << 20 << false << brokeOff;
        QTest::newRow("stall in the middle") << QStringLiteral("stall") << -8000 << true << brokeOff;
        QTest::newRow("cut in the middle") << QStringLiteral("cut") << -8000 << true << brokeOff;
        QTest::newRow("stall near the end") << QStringLiteral("stall") << -10 << true << brokeOff;
        QTest::newRow("cut inside the last table") << QStringLiteral("cut") << -400 << true << brokeOff;
        QTest::newRow("cut near the end") << QStringLiteral("cut") << -10 << true << brokeOff;
    }

private slots:
    void initTestCase()
    {
        Relay relay;
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QTemporaryDir dir;
        {
            SqlHandler handler(relay.connection(), dir.path());
            handler.connectToDatabase();
            QCOMPARE(CatalogueRows::names(handler.catalogue()).size(), 10);
        }
        wholeDownload = relay.serverBytesOfLastConnection();
        QVERIFY2(wholeDownload > 10000, qPrintable(QString::number(wholeDownload)));
    }

    // The library's own attempt, on the calling thread (as a command-line
    // tool uses it): bounded by the driver's time-outs.
    void downloadOnTheCallingThread_data() { addFaultRows(); }
    void downloadOnTheCallingThread()
    {
        QFETCH(QString, kind);
        QFETCH(int, bytes);
        QFETCH(bool, opened);
        QFETCH(QString, said);
        Relay relay(faultOption(kind, bytes));
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QTemporaryDir dir;
        QVERIFY(writeCacheFile(dir.path(), previousCache()));

        SqlHandler handler(relay.connection(), dir.path());
        QSignalSpy brokenOff(&handler, &SqlHandler::downloadBrokenOff);
        QVERIFY(brokenOff.isValid());
        QElapsedTimer elapsed;
        elapsed.start();
        handler.connectToDatabase();
        QVERIFY2(elapsed.elapsed() < boundMs, qPrintable(QString::number(elapsed.elapsed())));

        QCOMPARE(CatalogueRows::names(handler.catalogue()), QStringList{QStringLiteral("Old")});
        QCOMPARE(fileBytes(handler.cacheFilePath()), previousCache());
        QVERIFY2(handler.failureReason().contains(said), qPrintable(handler.failureReason()));
        QCOMPARE(brokenOff.count(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(brokenOff.at(0).at(0).toString(), handler.failureReason());
    }

    // The program's start-up: the window's thread is free at once, and the
    // data (here the cache) arrive within the bound, then the device search.
    void startInTheBackground_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("withCache");
        QTest::addColumn<QString>("said"); // in the warning, or the error's second line
        QTest::newRow("silent, cache") << QStringLiteral("silent") << 0 << true << QString();
        QTest::newRow("packets dropped, cache") << QStringLiteral("blackhole") << 0 << true << QString();
        QTest::newRow("cut near the end, cache")
            << QStringLiteral("cut") << -10 << true << QStringLiteral("broke off");
        QTest::newRow("cut near the end, no cache")
            << QStringLiteral("cut") << -10 << false << QStringLiteral("\n");
    }
    void startInTheBackground()
    {
        QFETCH(QString, kind);
        QFETCH(int, bytes);
        QFETCH(bool, withCache);
        QFETCH(QString, said);
        Relay relay(faultOption(kind, bytes));
        QVERIFY2(relay.port > 0, "tools/delay-relay did not start");
        QTemporaryDir dir;
        if (withCache)
            QVERIFY(writeCacheFile(dir.path(), previousCache()));

        UBModelController::Environment environment;
        environment.connection = relay.connection();
        environment.cacheDirectory = dir.path();
        environment.builtIn = [] { return BuiltInSatellites::Data(); };
        bool searched = false;
        environment.portLister = [&searched] {
            searched = true;
            return QList<SerialPortCandidate>();
        };
        UBDataModel model;
        UBModelController controller(&model, environment);
        QSignalSpy ready(&controller, &UBModelController::satelliteDataReady);
        QSignalSpy warnings(&controller, &UBModelController::warningOccured);
        QSignalSpy errors(&controller, &UBModelController::errorOccured);
        QVERIFY(ready.isValid() && warnings.isValid() && errors.isValid());

        QElapsedTimer elapsed;
        elapsed.start();
        controller.initializeInBackground();
        QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(controller.fetchingSatellites());
        // Asked early: the kept data at once, or nothing and no error.
        QCOMPARE(controller.availableSatelites(),
                 withCache ? QStringList{QStringLiteral("Old")} : QStringList());
        QCOMPARE(errors.count(), 0);

        QVERIFY(ready.wait(int(boundMs)));
        QVERIFY2(elapsed.elapsed() < boundMs, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(!controller.fetchingSatellites());
        if (withCache) {
            QCOMPARE(controller.availableSatelites(), QStringList{QStringLiteral("Old")});
            QCOMPARE(errors.count(), 0);
            QCOMPARE(warnings.count(), said.isEmpty() ? 0 : 1);
            if (!said.isEmpty())
                QVERIFY2(warnings.at(0).at(0).toString().contains(said),
                         qPrintable(warnings.at(0).at(0).toString()));
            QCOMPARE(fileBytes(dir.path() + QStringLiteral("/db.dat")), previousCache());
            QTRY_VERIFY_WITH_TIMEOUT(searched, 4000);
        } else {
            QCOMPARE(errors.count(), 1);
            QVERIFY2(errors.at(0).at(0).toString().contains(said), qPrintable(errors.at(0).at(0).toString()));
            QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/db.dat")));
        }
    }
};

QTEST_GUILESS_MAIN(DatabaseFaultsTest)
#include "tst_database_faults.moc"
