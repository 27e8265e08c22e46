// Identification shares the line with the transfers: one conversation at a
// time, whichever was asked first, through lost lines and switches plugged in
// again. Against the switch simulator on real pseudo-terminals.

#include "SimulatorProcess.h"
#include "device/DeviceTransfers.h"
#include "device/IdentifyOperation.h"
#include "device/ReadPlanOperation.h"
#include "device/SerialPortHandler.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// The handlers here look for the switch more often than the program does.
constexpr int tickMs = 300;
// A search interval no test lasts: only the looks a test asks for run.
constexpr int noTickMs = 3600 * 1000;
// Bounds of the waits for a look or a transfer on a machine busy with other work.
constexpr int lookWaitMs = 10000;
constexpr int transferWaitMs = 15000;

const QStringList readLines{QStringLiteral(":CONF:LTEFILT?"), QStringLiteral(":CONF:STBY?"),
                            QStringLiteral(":CONF:TERRAMP?"), QStringLiteral(":CONF:ALL?")};

// The ports a handler lists: the switch's for as long as its link exists, as
// a USB port exists while the switch is plugged in.
SerialPortHandler::PortLister whileLinked(const QString &link)
{
    return [link] {
        return QFileInfo::exists(link) ? QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)}
                                       : QList<SerialPortCandidate>{};
    };
}
} // namespace

class tst_IdentifyOperation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void transferAskedDuringIdentificationWaitsForIt();
    void lineLostDuringIdentificationEndsIt();
    void identificationAfterLineLostWithRepliesOwed();
    void identificationWaitsForTheRunningOperationOnly();
    void transfersNotBegunGoWithTheirOwner();

private:
    // Starts the handler (and the transfers on it) and records what it and
    // they report, in order.
    void connectHandler(SerialPortHandler::PortLister ports, int searchIntervalMs);
    // Waits for the next transfer to end; false when none ended in time.
    bool transferEnded();

    QTemporaryDir dir;
    std::unique_ptr<SerialPortHandler> handler;
    std::unique_ptr<DeviceTransfers> transfers;
    QStringList events;
    QList<DeviceTransfers::Result> results;
    int runs = 0;
};

void tst_IdentifyOperation::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFileInfo::exists(SimulatorProcess::program()), qPrintable(SimulatorProcess::program()));
}

void tst_IdentifyOperation::init()
{
    events.clear();
    results.clear();
    ++runs;
}

void tst_IdentifyOperation::cleanup()
{
    transfers.reset();
    handler.reset();
}

void tst_IdentifyOperation::connectHandler(SerialPortHandler::PortLister ports, int searchIntervalMs)
{
    handler =
        std::make_unique<SerialPortHandler>(std::move(ports), &SerialPortHandler::openSystemPort,
                                            SerialPortHandler::defaultDeviceRulePath(), searchIntervalMs);
    transfers = std::make_unique<DeviceTransfers>(
        *handler, PlanBackup(dir.filePath(QStringLiteral("backups-%1").arg(runs))));
    connect(handler.get(), &SerialPortHandler::deviceFound, this,
            [this](const QString &serial) { events << QStringLiteral("found ") + serial; });
    connect(handler.get(), &SerialPortHandler::deviceMissing, this,
            [this] { events << QStringLiteral("missing"); });
    connect(transfers.get(), &DeviceTransfers::finished, this, [this](const DeviceTransfers::Result &result) {
        events << QStringLiteral("transfer %1").arg(QVariant::fromValue(result.kind).toString());
        results << result;
    });
}

bool tst_IdentifyOperation::transferEnded()
{
    const int before = results.size();
    return QTest::qWaitFor([&] { return results.size() > before; }, transferWaitMs);
}

// A read asked for while the switch is still being identified waits for the
// identification, then runs on the identified line: neither takes the
// other's reply, and the read is not refused for want of a switch.
void tst_IdentifyOperation::transferAskedDuringIdentificationWaitsForIt()
{
    // The identification reply comes in two pieces: the line is busy with it
    // for a while after the query.
    SimulatorProcess sim(
        dir.filePath(QStringLiteral("during")),
        {QStringLiteral("--reply"), QStringLiteral("*IDN?=KAVEN GmbH,FSW 2404,|SN:KVN31,1.0.3\\n")});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    connectHandler(whileLinked(sim.link()), noTickMs);
    QSignalSpy looked(handler.get(), &SerialPortHandler::lookEnded);
    handler->lookNow();
    QVERIFY(handler->identifying());
    transfers->readPlan(QString(), QString(), SharedCatalogue());
    QVERIFY(transfers->busy());

    QVERIFY(transferEnded());
    QCOMPARE(events.join(QStringLiteral(", ")), QStringLiteral("found SN:KVN31, transfer Done"));
    QVERIFY(results.first().plan.list.size() == 24);
    QCOMPARE(sim.loggedLines(), QStringList{QStringLiteral("*IDN?")} + readLines);
    QTRY_COMPARE_WITH_TIMEOUT(looked.count(), 1, lookWaitMs);
    QCOMPARE(looked.first().at(0).toBool(), true);
    QVERIFY(!transfers->busy());
}

// The switch goes while it is being identified: the identification ends as
// a failed one (the switch is missing once, the look ends), nothing is left
// running on the line, and a transfer asked for afterwards ends at once as
// lost.
void tst_IdentifyOperation::lineLostDuringIdentificationEndsIt()
{
    SimulatorProcess sim(dir.filePath(QStringLiteral("lost")),
                         {QStringLiteral("--unplug-on"), QStringLiteral("*IDN?")});
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    connectHandler(whileLinked(sim.link()), noTickMs);
    QSignalSpy looked(handler.get(), &SerialPortHandler::lookEnded);
    QSignalSpy busy(transfers.get(), &DeviceTransfers::busyChanged);
    handler->lookNow();
    QVERIFY(handler->identifying());
    // The identification is no transfer: the window shows no work under way.
    QVERIFY(!transfers->busy());
    QTRY_COMPARE_WITH_TIMEOUT(looked.count(), 1, lookWaitMs);
    QCOMPARE(busy.count(), 0);
    QCOMPARE(looked.first().at(0).toBool(), false);
    QCOMPARE(events, QStringList{QStringLiteral("missing")});
    QVERIFY(!handler->identifying());
    QVERIFY(!handler->isConnected());

    transfers->readPlan(QString(), QString(), SharedCatalogue());
    QVERIFY(transferEnded());
    QCOMPARE(results.first().kind, DeviceOperation::Kind::Lost);
    QCOMPARE(results.first().message, DeviceOperation::connectionLostMessage());
    QCOMPARE(events, (QStringList{QStringLiteral("missing"), QStringLiteral("transfer Lost")}));
    QVERIFY(!transfers->busy());
}

// A read loses its line while the switch still owes the answer to a query
// that timed out. The switch plugged in again owes nothing: it is identified
// by its first answer, and a read on it gets the answers it asks for.
void tst_IdentifyOperation::identificationAfterLineLostWithRepliesOwed()
{
    const QString link = dir.filePath(QStringLiteral("owed"));
    // The first query after the identification goes unanswered; the line is
    // pulled while the read waits for the line to fall quiet before its next
    // attempt.
    auto first = std::make_unique<SimulatorProcess>(
        link,
        QStringList{QStringLiteral("--mute-first"), QStringLiteral("1"), QStringLiteral("--unplug-after"),
                    QStringLiteral("2"), QStringLiteral("--unplug-delay"), QStringLiteral("700")},
        QStringLiteral("SN-FIRST"));
    QVERIFY2(first->start(), qPrintable(first->errors()));
    connectHandler(whileLinked(link), tickMs);
    handler->startDeviceSearch();
    QTRY_COMPARE_WITH_TIMEOUT(events, QStringList{QStringLiteral("found SN-FIRST")}, lookWaitMs);

    transfers->readPlan(QString(), QString(), SharedCatalogue());
    QVERIFY(transferEnded());
    QCOMPARE(results.last().kind, DeviceOperation::Kind::Lost);
    QVERIFY(first->waitForExit(5000));
    QCOMPARE(first->loggedLines(), (QStringList{QStringLiteral("*IDN?"), readLines.first()}));
    first.reset();
    QFile::remove(link + QStringLiteral(".log"));

    SimulatorProcess second(link, {}, QStringLiteral("SN-SECOND"));
    QVERIFY2(second.start(), qPrintable(second.errors()));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("found SN-SECOND")), lookWaitMs);
    QCOMPARE(events.count(QStringLiteral("missing")), 1);
    transfers->readPlan(QString(), QString(), SharedCatalogue());
    QVERIFY(transferEnded());
    QCOMPARE(results.last().kind, DeviceOperation::Kind::Done);
    QCOMPARE(second.loggedLines(), QStringList{QStringLiteral("*IDN?")} + readLines);
}

// An identification queued while a read runs starts once that read has
// ended, before a read that was waiting: the runner never speaks on two
// ports at once, and a port being identified comes before the work meant for
// the switch it may be.
void tst_IdentifyOperation::identificationWaitsForTheRunningOperationOnly()
{
    SimulatorProcess connected(dir.filePath(QStringLiteral("connected")), {}, QStringLiteral("SN-CONNECTED"));
    SimulatorProcess other(dir.filePath(QStringLiteral("other")), {}, QStringLiteral("SN-OTHER"));
    QVERIFY2(connected.start(), qPrintable(connected.errors()));
    QVERIFY2(other.start(), qPrintable(other.errors()));
    connectHandler(whileLinked(connected.link()), noTickMs);
    QSignalSpy looked(handler.get(), &SerialPortHandler::lookEnded);
    handler->lookNow();
    QVERIFY(looked.wait(lookWaitMs));
    QVERIFY(handler->isConnected());

    QSerialPort port(other.link());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    OperationRunner &runner = handler->operations();
    QStringList ended;
    QString identified;
    connect(&runner, &OperationRunner::finished, this, [&](DeviceOperation *operation) {
        ended << QStringLiteral("%1 %2, %3 lines on the other port")
                     .arg(QString::fromLatin1(operation->metaObject()->className()))
                     .arg(QVariant::fromValue(operation->kind()).toString())
                     .arg(other.loggedLines().size());
        if (const auto *identify = qobject_cast<IdentifyOperation *>(operation))
            identified = identify->identity() ? identify->identity()->serialField() : QString();
    });
    runner.run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    runner.run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    runner.runOn(&port, std::make_unique<IdentifyOperation>());
    QTRY_VERIFY_WITH_TIMEOUT(!runner.busy(), transferWaitMs);
    QCOMPARE(ended, (QStringList{QStringLiteral("ReadPlanOperation Done, 0 lines on the other port"),
                                 QStringLiteral("IdentifyOperation Done, 1 lines on the other port"),
                                 QStringLiteral("ReadPlanOperation Done, 1 lines on the other port")}));
    QCOMPARE(identified, QStringLiteral("SN-OTHER"));
    QCOMPARE(connected.loggedLines(), QStringList{QStringLiteral("*IDN?")} + readLines + readLines);
    QCOMPARE(other.loggedLines(), QStringList{QStringLiteral("*IDN?")});
}

// The transfers asked of an object that goes are not left behind on the
// handler's runner: the running one ends, the waiting ones never start.
void tst_IdentifyOperation::transfersNotBegunGoWithTheirOwner()
{
    SimulatorProcess sim(dir.filePath(QStringLiteral("owner")));
    QVERIFY2(sim.start(), qPrintable(sim.errors()));
    connectHandler(whileLinked(sim.link()), noTickMs);
    QSignalSpy looked(handler.get(), &SerialPortHandler::lookEnded);
    handler->lookNow();
    QVERIFY(looked.wait(lookWaitMs));
    QVERIFY(handler->isConnected());
    transfers->readPlan(QString(), QString(), SharedCatalogue());
    transfers->readPlan(QString(), QString(), SharedCatalogue());
    transfers.reset();
    QVERIFY(handler->operations().busy());
    QTRY_VERIFY_WITH_TIMEOUT(!handler->operations().busy(), transferWaitMs);
    QCOMPARE(sim.loggedLines(), QStringList{QStringLiteral("*IDN?")} + readLines);
    QVERIFY(results.isEmpty());
}

QTEST_GUILESS_MAIN(tst_IdentifyOperation)
#include "tst_identifyoperation.moc"
