// Supervision of the connection: devices that are not the switch, unplugging
// while connected, and the search that follows.

#include "ExchangeChecks.h"
#include "LineProbe.h"
#include "SimulatorProcess.h"
#include "device/SerialPortHandler.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

namespace {
constexpr quint16 switchVendor = SerialPortCandidate::switchVendorId;
constexpr quint16 switchProduct = SerialPortCandidate::switchProductId;
// The handlers here look for the switch more often than the program does.
constexpr int tickMs = 300;
constexpr int slackMs = 1000;
using Outcome = LineExchange::Outcome;

} // namespace

class tst_DeviceSupervision : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void notIdentifiedEveryTick_data();
    void notIdentifiedEveryTick();
    void unplugWhileIdle();
    void unplugDuringReply();

private:
    QString linkPath(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

void tst_DeviceSupervision::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFileInfo::exists(SimulatorProcess::program()), qPrintable(SimulatorProcess::program()));
}

void tst_DeviceSupervision::notIdentifiedEveryTick_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("other maker") << QStringList{QStringLiteral("--maker"),
                                                QStringLiteral("ACME Components Ltd")};
    // The maker test is case-sensitive.
    QTest::newRow("lower-case maker") << QStringList{QStringLiteral("--maker"), QStringLiteral("kaven gmbh")};
    QTest::newRow("maker in the second field")
        << QStringList{QStringLiteral("--idn"), QStringLiteral("ACME,KAVEN GmbH,SN1,1.0")};
}

void tst_DeviceSupervision::notIdentifiedEveryTick()
{
    QFETCH(QStringList, arguments);
    SimulatorProcess sim(
        linkPath(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), '-')), arguments);
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    const QList<SerialPortCandidate> ports{{sim.link(), switchVendor, switchProduct}};
    SerialPortHandler handler(
        [ports] { return ports; }, &SerialPortHandler::openSystemPort,
        SerialPortHandler::defaultDeviceRulePath(), tickMs);
    QSignalSpy found(&handler, &SerialPortHandler::deviceFound);
    QVERIFY(found.isValid());
    QList<qint64> missingTimes;
    QElapsedTimer clock;
    connect(&handler, &SerialPortHandler::deviceMissing, this, [&] { missingTimes << clock.elapsed(); });

    clock.start();
    handler.startDeviceSearch();
    QTRY_COMPARE_WITH_TIMEOUT(missingTimes.size(), 2, 2 * tickMs + slackMs);
    QVERIFY(qAbs(missingTimes.at(0) - tickMs) < slackMs);
    QVERIFY(qAbs(missingTimes.at(1) - missingTimes.at(0) - tickMs) < slackMs);
    QCOMPARE(found.count(), 0);
    QCOMPARE(sim.loggedLines(), (QStringList{QStringLiteral("*IDN?"), QStringLiteral("*IDN?")}));
}

void tst_DeviceSupervision::unplugWhileIdle()
{
    guarded([&] {
        const QString link = linkPath(QStringLiteral("unplug"));
        SimulatorProcess first(link, {QStringLiteral("--unplug-after"), QStringLiteral("1")},
                               QStringLiteral("SN-FIRST"));
        QVERIFY2(first.start(), qPrintable(first.errors()));
        // The port exists for as long as its link does, as a USB port does.
        SerialPortHandler handler(
            [link] {
                return QFileInfo::exists(link)
                           ? QList<SerialPortCandidate>{{link, switchVendor, switchProduct}}
                           : QList<SerialPortCandidate>{};
            },
            &SerialPortHandler::openSystemPort, SerialPortHandler::defaultDeviceRulePath(), tickMs);
        QSignalSpy found(&handler, &SerialPortHandler::deviceFound);
        QSignalSpy missing(&handler, &SerialPortHandler::deviceMissing);
        QVERIFY(found.isValid());
        QVERIFY(missing.isValid());
        handler.startDeviceSearch();
        QVERIFY(found.wait(tickMs + slackMs));
        QCOMPARE(found.at(0).at(0).toString(), QStringLiteral("SN-FIRST"));

        // The simulator closes the line 300 ms after the identification.
        QVERIFY(missing.wait(slackMs));
        QElapsedTimer sinceUnplug;
        sinceUnplug.start();
        QVERIFY(first.waitForExit(2000));
        QTest::qWait(500);
        QCOMPARE(missing.count(), 1);
        LineProbe line(handler);
        QCOMPARE(line.query(QStringLiteral(":CONF:STBY?")), Outcome::Lost);

        // Plugged in again: the restarted search finds it on its next tick.
        SimulatorProcess second(link, {}, QStringLiteral("SN-SECOND"));
        QVERIFY2(second.start(), qPrintable(second.errors()));
        QVERIFY(found.wait(tickMs + slackMs));
        QVERIFY2(sinceUnplug.elapsed() >= tickMs - 200 && sinceUnplug.elapsed() < tickMs + slackMs,
                 qPrintable(QString::number(sinceUnplug.elapsed())));
        QCOMPARE(found.count(), 2);
        QCOMPARE(found.at(1).at(0).toString(), QStringLiteral("SN-SECOND"));
        QCOMPARE(missing.count(), 1);
        QCOMPARE(line.command(QStringLiteral(":CONF:LTEFILT ON"), 50), Outcome::Sent);
        QCOMPARE(line.ask(QStringLiteral(":CONF:LTEFILT?")), QStringLiteral("ON"));
    });
}

void tst_DeviceSupervision::unplugDuringReply()
{
    guarded([&] {
        // The device takes the query, never answers, and is unplugged while the
        // reply is awaited.
        SimulatorProcess sim(linkPath(QStringLiteral("midreply")),
                             {QStringLiteral("--unplug-after"), QStringLiteral("2"),
                              QStringLiteral("--unplug-delay"), QStringLiteral("20"),
                              QStringLiteral("--reply"), QStringLiteral(":CONF:STBY?=")});
        QVERIFY2(sim.start(), qPrintable(sim.errors()));
        const QList<SerialPortCandidate> ports{{sim.link(), switchVendor, switchProduct}};
        // The search after the unplug comes well after the quiet wait below.
        const int quietTickMs = 1000;
        SerialPortHandler handler(
            [ports] { return ports; }, &SerialPortHandler::openSystemPort,
            SerialPortHandler::defaultDeviceRulePath(), quietTickMs);
        QSignalSpy found(&handler, &SerialPortHandler::deviceFound);
        QSignalSpy missing(&handler, &SerialPortHandler::deviceMissing);
        QVERIFY(found.isValid());
        QVERIFY(missing.isValid());
        handler.startDeviceSearch();
        QVERIFY(found.wait(quietTickMs + slackMs));

        QElapsedTimer clock;
        clock.start();
        LineProbe line(handler);
        // The line went while the reply was awaited: no time-out, no retry.
        QCOMPARE(line.query(QStringLiteral(":CONF:STBY?")), Outcome::ReadFailed);
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(missing.count(), 1);
        QCOMPARE(line.owed(), 0);
        QCOMPARE(line.command(QStringLiteral(":CONF:STBY ON"), 50), Outcome::Lost);
        // Later reports of the released port change nothing.
        QTest::qWait(300);
        QCOMPARE(missing.count(), 1);
        QCOMPARE(found.count(), 1);
    });
}

QTEST_GUILESS_MAIN(tst_DeviceSupervision)
#include "tst_devicesupervision.moc"
