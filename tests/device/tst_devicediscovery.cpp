// Finding the switch among the serial ports, through real pseudo-terminals and
// the switch simulator.

#include "SimulatorProcess.h"
#include "device/SerialPortHandler.h"
#include "controller/DeviceStatus.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr quint16 switchVendor = SerialPortCandidate::switchVendorId;
constexpr quint16 switchProduct = SerialPortCandidate::switchProductId;
// The first search runs one interval after the start (the handlers here look
// more often than the program's), and one exchange takes a few hundred
// milliseconds.
constexpr int firstTickMs = 300;
constexpr int tickSlackMs = 1000;
// A search interval no test lasts: only the look a test asks for runs.
constexpr int noTickMs = 3600 * 1000;
// How long one look over many ports may take on a machine busy with other work.
constexpr int lookWaitMs = 30000;
} // namespace

class tst_DeviceDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void foundWithinFirstTickAfterPlugIn();
    void otherPortsAreSkipped();
    void firstPortBusy();
    void unidentifiedPortsDoNotStopTheSearch();
    void oneLookAtATime();
    void lookWithoutSwitchEnds();

private:
    QString linkPath(const QString &name) const { return dir.filePath(name); }
    // Records "missing" and "found <serial>" with the time since `clock` started.
    void record(SerialPortHandler &handler);

    QTemporaryDir dir;
    QElapsedTimer clock;
    QStringList events;
    QList<qint64> eventTimes;
};

void tst_DeviceDiscovery::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFileInfo::exists(SimulatorProcess::program()), qPrintable(SimulatorProcess::program()));
}

void tst_DeviceDiscovery::record(SerialPortHandler &handler)
{
    events.clear();
    eventTimes.clear();
    connect(&handler, &SerialPortHandler::deviceMissing, this, [this] {
        events << QStringLiteral("missing");
        eventTimes << clock.elapsed();
    });
    connect(&handler, &SerialPortHandler::deviceFound, this, [this](const QString &serial) {
        events << QStringLiteral("found ") + serial;
        eventTimes << clock.elapsed();
    });
}

void tst_DeviceDiscovery::foundWithinFirstTickAfterPlugIn()
{
    SimulatorProcess sim(linkPath(QStringLiteral("plug")), {}, QStringLiteral("KVN00471"));
    QVERIFY2(sim.start(), qPrintable(sim.errors()));

    QList<SerialPortCandidate> plugged;
    SerialPortHandler handler(
        [&plugged] { return plugged; }, &SerialPortHandler::openSystemPort,
        SerialPortHandler::defaultDeviceRulePath(), firstTickMs);
    DeviceStatus shown;
    connect(&handler, &SerialPortHandler::deviceFound, &shown, &DeviceStatus::deviceFound);
    connect(&handler, &SerialPortHandler::deviceMissing, &shown, &DeviceStatus::deviceMissing);
    QSignalSpy found(&handler, &SerialPortHandler::deviceFound);
    QSignalSpy missing(&handler, &SerialPortHandler::deviceMissing);
    QVERIFY(found.isValid());
    QVERIFY(missing.isValid());
    const QString shownBefore = shown.serialNumber();

    // No port at all: the first search passes without a word.
    handler.startDeviceSearch();
    QTest::qWait(firstTickMs + 300);
    QCOMPARE(found.count(), 0);
    QCOMPARE(missing.count(), 0);
    QCOMPARE(shown.serialNumber(), shownBefore);

    plugged << SerialPortCandidate{sim.link(), switchVendor, switchProduct};
    clock.start();
    QVERIFY(found.wait(firstTickMs + tickSlackMs));
    QVERIFY(clock.elapsed() <= firstTickMs + tickSlackMs);
    QCOMPARE(found.count(), 1);
    QCOMPARE(found.at(0).at(0).toString(), QStringLiteral("KVN00471"));
    QCOMPARE(missing.count(), 0);
    // The window shows the number without its first three characters.
    QCOMPARE(shown.serialNumber(), QStringLiteral("00471"));
    QCOMPARE(sim.loggedLines(), QStringList{QStringLiteral("*IDN?")});
}

void tst_DeviceDiscovery::otherPortsAreSkipped()
{
    SimulatorProcess wrongVendor(linkPath(QStringLiteral("vendor")), {}, QStringLiteral("SN-VENDOR"));
    SimulatorProcess wrongProduct(linkPath(QStringLiteral("product")), {}, QStringLiteral("SN-PRODUCT"));
    SimulatorProcess noIds(linkPath(QStringLiteral("noids")), {}, QStringLiteral("SN-NOIDS"));
    SimulatorProcess device(linkPath(QStringLiteral("device")), {}, QStringLiteral("SN-DEVICE"));
    for (SimulatorProcess *sim : {&wrongVendor, &wrongProduct, &noIds, &device})
        QVERIFY2(sim->start(), qPrintable(sim->errors()));

    const QList<SerialPortCandidate> ports{{wrongVendor.link(), 0x0403, switchProduct},
                                           {wrongProduct.link(), switchVendor, 0x6001},
                                           {noIds.link(), 0, 0},
                                           {device.link(), switchVendor, switchProduct}};
    SerialPortHandler handler(
        [ports] { return ports; }, &SerialPortHandler::openSystemPort,
        SerialPortHandler::defaultDeviceRulePath(), firstTickMs);
    record(handler);
    clock.start();
    handler.startDeviceSearch();
    QTRY_COMPARE_WITH_TIMEOUT(events.size(), 1, firstTickMs + tickSlackMs);
    QCOMPARE(events, QStringList{QStringLiteral("found SN-DEVICE")});
    for (SimulatorProcess *sim : {&wrongVendor, &wrongProduct, &noIds})
        QVERIFY2(sim->loggedLines().isEmpty(), qPrintable(sim->link()));
}

void tst_DeviceDiscovery::firstPortBusy()
{
    SimulatorProcess busy(linkPath(QStringLiteral("busy")), {}, QStringLiteral("SN-BUSY"));
    SimulatorProcess free(linkPath(QStringLiteral("free")), {}, QStringLiteral("SN-FREE"));
    QVERIFY2(busy.start(), qPrintable(busy.errors()));
    QVERIFY2(free.start(), qPrintable(free.errors()));

    // Another program holds the first port.
    QSerialPort holder(busy.link());
    QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));

    const QList<SerialPortCandidate> ports{{busy.link(), switchVendor, switchProduct},
                                           {free.link(), switchVendor, switchProduct}};
    SerialPortHandler handler(
        [ports] { return ports; }, &SerialPortHandler::openSystemPort,
        SerialPortHandler::defaultDeviceRulePath(), firstTickMs);
    record(handler);
    clock.start();
    handler.startDeviceSearch();
    QTRY_COMPARE_WITH_TIMEOUT(events.size(), 2, firstTickMs + tickSlackMs);
    QCOMPARE(events, (QStringList{QStringLiteral("missing"), QStringLiteral("found SN-FREE")}));
    // Both in the same search.
    QVERIFY(eventTimes.at(1) - eventTimes.at(0) < 1000);
    QVERIFY(busy.loggedLines().isEmpty());
}

void tst_DeviceDiscovery::unidentifiedPortsDoNotStopTheSearch()
{
    // All in one search: each port that fails identification costs at most
    // its silence limit, then the next one is tried.
    const QList<QPair<QString, QStringList>> faults{
        {QStringLiteral("silent"), {QStringLiteral("--silent")}},
        {QStringLiteral("nolf"), {QStringLiteral("--no-lf")}},
        {QStringLiteral("garbage"), {QStringLiteral("--garbage")}},
        {QStringLiteral("twofields"), {QStringLiteral("--idn"), QStringLiteral("KAVEN GmbH,FSW 2404")}},
        {QStringLiteral("onefield"), {QStringLiteral("--idn"), QStringLiteral("KAVEN GmbH")}},
        {QStringLiteral("emptyline"), {QStringLiteral("--reply"), QStringLiteral("*IDN?=\\n")}},
        // A reply without LF ends when the line falls silent...
        {QStringLiteral("pieces"),
         {QStringLiteral("--no-lf"), QStringLiteral("--chunk"), QStringLiteral("2"),
          QStringLiteral("--chunk-pause"), QStringLiteral("30")}},
        // ...and one that never falls silent at the reply deadline.
        {QStringLiteral("trickle"), {QStringLiteral("--trickle"), QStringLiteral("30")}},
    };
    std::vector<std::unique_ptr<SimulatorProcess>> bad;
    QList<SerialPortCandidate> ports;
    for (const auto &fault : faults) {
        bad.push_back(std::make_unique<SimulatorProcess>(linkPath(fault.first), fault.second,
                                                         QStringLiteral("SN-") + fault.first));
        QVERIFY2(bad.back()->start(), qPrintable(bad.back()->errors()));
        ports << SerialPortCandidate{bad.back()->link(), switchVendor, switchProduct};
    }
    SimulatorProcess good(linkPath(QStringLiteral("good")), {}, QStringLiteral("SN-GOOD"));
    QVERIFY2(good.start(), qPrintable(good.errors()));
    ports << SerialPortCandidate{good.link(), switchVendor, switchProduct};

    // Only the looks the test asks for run: no tick of a search timer can
    // start a pass while a busy machine is slow. A good switch that missed
    // its reply time under load is looked for again, as the timer would.
    SerialPortHandler handler([ports] { return ports; }, &SerialPortHandler::openSystemPort,
                              SerialPortHandler::defaultDeviceRulePath(), noTickMs);
    record(handler);
    QSignalSpy ended(&handler, &SerialPortHandler::lookEnded);
    int looks = 0;
    while (looks < 3 && !handler.isConnected()) {
        ended.clear();
        handler.lookNow();
        ++looks;
        QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), lookWaitMs);
    }
    QVERIFY(handler.isConnected());
    QCOMPARE(events.last(), QStringLiteral("found SN-GOOD"));
    // Every port before it failed and was reported missing, in each look.
    QVERIFY2(events.count(QStringLiteral("missing")) == events.size() - 1 &&
                 events.size() - 1 >= looks * faults.size(),
             qPrintable(events.join(", ")));
    // Each port that failed was asked once a look and then left alone.
    QStringList asked;
    for (int i = 0; i < looks; ++i)
        asked << QStringLiteral("*IDN?");
    for (const auto &sim : bad)
        QCOMPARE(sim->loggedLines(), asked);
}

void tst_DeviceDiscovery::oneLookAtATime()
{
    // A trickling switch keeps its identification busy for a reply deadline:
    // neither the search timer nor another look may begin a second one.
    SimulatorProcess slow(linkPath(QStringLiteral("slow")), {QStringLiteral("--trickle"), QStringLiteral("30")},
                          QStringLiteral("SN-SLOW"));
    QVERIFY2(slow.start(), qPrintable(slow.errors()));
    const QList<SerialPortCandidate> ports{{slow.link(), switchVendor, switchProduct}};
    SerialPortHandler handler([ports] { return ports; });
    QSignalSpy ended(&handler, &SerialPortHandler::lookEnded);
    QSignalSpy missing(&handler, &SerialPortHandler::deviceMissing);
    handler.lookNow();
    QElapsedTimer bound;
    bound.start();
    int tries = 0;
    while (handler.identifying() && bound.elapsed() < 5000) {
        QVERIFY(QMetaObject::invokeMethod(&handler, "searchForAvailableDevices"));
        handler.lookNow();
        ++tries;
        QTest::qWait(20);
    }
    QVERIFY(!handler.identifying());
    QVERIFY(tries > 5);
    QCOMPARE(missing.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 1000);
    QCOMPARE(ended.first().at(0).toBool(), false);
    QTest::qWait(50);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(slow.loggedLines(), QStringList{QStringLiteral("*IDN?")});
}

void tst_DeviceDiscovery::lookWithoutSwitchEnds()
{
    SerialPortHandler handler([] { return QList<SerialPortCandidate>(); });
    QSignalSpy ended(&handler, &SerialPortHandler::lookEnded);
    handler.lookNow();
    // Never from inside the call: a caller begins waiting after it.
    QCOMPARE(ended.count(), 0);
    QVERIFY(ended.wait(1000));
    QCOMPARE(ended.takeFirst().at(0).toBool(), false);
    QVERIFY(!handler.isConnected());
}

QTEST_GUILESS_MAIN(tst_DeviceDiscovery)
#include "tst_devicediscovery.moc"
