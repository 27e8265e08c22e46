// The operations on the switch and their runner against the switch
// simulator: which lines go out in which order, and where a cancel stops them.

#include "SimulatorProcess.h"
#include "device/OperationRunner.h"
#include "device/ReadPlanOperation.h"
#include "device/SendPlanOperation.h"
#include "device/SerialPortHandler.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QStringList readLines{":CONF:LTEFILT?", ":CONF:STBY?", ":CONF:TERRAMP?", ":CONF:ALL?"};
} // namespace

class tst_DeviceOperations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cancelWhileReadingStopsBeforeTheNextLine_data();
    void cancelWhileReadingStopsBeforeTheNextLine();
    void cancelOnceSendingIsIgnored();
    void operationsRunOneAtATime();
    void noLineMeansConnectionLost();

private:
    // The switch's plan as it replies, read once with an operation.
    DeviceReplies readSwitch();
    std::unique_ptr<SendPlanOperation> storeOf(const DeviceReplies &replies);
    // Runs `operation` to its end; false when it did not end within 10 s.
    bool runToEnd(std::unique_ptr<DeviceOperation> operation);

    QTemporaryDir dir;
    std::unique_ptr<SimulatorProcess> simulator;
    std::unique_ptr<SerialPortHandler> handler;
    std::unique_ptr<OperationRunner> runner;
    int runs = 0;
};

void tst_DeviceOperations::init()
{
    const QString link = dir.filePath(QStringLiteral("switch-%1").arg(++runs));
    simulator = std::make_unique<SimulatorProcess>(link);
    QVERIFY2(simulator->start(), qPrintable(simulator->errors()));
    handler = std::make_unique<SerialPortHandler>(
        [link] { return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)}; });
    QVERIFY(handler->connectNow());
    runner = std::make_unique<OperationRunner>(*handler);
}

void tst_DeviceOperations::cleanup()
{
    runner.reset();
    handler.reset();
    simulator.reset();
}

bool tst_DeviceOperations::runToEnd(std::unique_ptr<DeviceOperation> operation)
{
    QSignalSpy ended(runner.get(), &OperationRunner::finished);
    runner->run(std::move(operation));
    return ended.wait(10000);
}

DeviceReplies tst_DeviceOperations::readSwitch()
{
    auto read = std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue());
    DeviceReplies replies;
    connect(runner.get(), &OperationRunner::finished, this, [&replies](DeviceOperation *operation) {
        if (auto *done = qobject_cast<ReadPlanOperation *>(operation))
            replies = done->replies();
    });
    runToEnd(std::move(read));
    runner->disconnect(this);
    return replies;
}

std::unique_ptr<SendPlanOperation> tst_DeviceOperations::storeOf(const DeviceReplies &replies)
{
    SendPlanOperation::Plan plan{true, false, true, replies.words(), QString(), QString()};
    return std::make_unique<SendPlanOperation>(plan, true, SharedCatalogue(),
                                               PlanBackup(dir.filePath(QStringLiteral("backups"))),
                                               handler->serialNumber(), QStringLiteral("not backed up: %1"));
}

void tst_DeviceOperations::cancelWhileReadingStopsBeforeTheNextLine_data()
{
    QTest::addColumn<int>("query"); // cancelled as this query goes out
    for (int query = 1; query <= 4; ++query)
        QTest::addRow("at query %d", query) << query;
}

// The backup read before a store only reads: a cancel stops it before its
// next line, and the switch hears no command that changes it.
void tst_DeviceOperations::cancelWhileReadingStopsBeforeTheNextLine()
{
    QFETCH(int, query);
    const DeviceReplies before = readSwitch();
    QCOMPARE(before.words().size(), 24);
    const int earlier = simulator->loggedLines().size();
    auto store = storeOf(before);
    DeviceOperation *const operation = store.get();
    const QString cancelAt = QStringLiteral("Reading the switch's plan… %1 of 4").arg(query);
    bool wasCancellable = false;
    connect(operation, &DeviceOperation::progressChanged, this, [&] {
        if (operation->progress() == cancelAt) {
            wasCancellable = operation->cancellable();
            runner->cancel();
        }
    });
    DeviceOperation::Kind kind = DeviceOperation::Kind::Running;
    QString message;
    connect(runner.get(), &OperationRunner::finished, this, [&](DeviceOperation *ended) {
        kind = ended->kind();
        message = ended->message();
    });
    QVERIFY(runToEnd(std::move(store)));
    QVERIFY(wasCancellable);
    QCOMPARE(kind, DeviceOperation::Kind::Cancelled);
    QCOMPARE(message, DeviceOperation::cancelledMessage());
    QCOMPARE(simulator->loggedLines().mid(earlier), readLines.mid(0, query));
    QCOMPARE(readSwitch(), before);
}

// Once the first command that changes the switch has gone out, the store
// runs to its end: a cancel never leaves half a plan.
void tst_DeviceOperations::cancelOnceSendingIsIgnored()
{
    const DeviceReplies before = readSwitch();
    const int earlier = simulator->loggedLines().size();
    auto store = storeOf(before);
    DeviceOperation *const operation = store.get();
    bool cancellableWhileSending = true;
    connect(operation, &DeviceOperation::progressChanged, this, [&] {
        if (operation->progress() == QStringLiteral("Sending… 1 of 4")) {
            cancellableWhileSending = operation->cancellable();
            runner->cancel();
        }
    });
    DeviceOperation::Kind kind = DeviceOperation::Kind::Running;
    connect(runner.get(), &OperationRunner::finished, this, [&](DeviceOperation *ended) { kind = ended->kind(); });
    QVERIFY(runToEnd(std::move(store)));
    QVERIFY(!cancellableWhileSending);
    QCOMPARE(kind, DeviceOperation::Kind::Done);
    const QStringList lines = simulator->loggedLines().mid(earlier);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.mid(0, 4), readLines);
    QCOMPARE(lines.mid(4, 3), (QStringList{":CONF:LTEFILT ON", ":CONF:STBY OFF", ":CONF:TERRAMP ON"}));
    QCOMPARE(lines.last(), QStringLiteral(":MEM:WRITE:ALL"));
}

// Operations asked for while one runs wait their turn: the line carries one
// conversation at a time, and each ends before the next begins.
void tst_DeviceOperations::operationsRunOneAtATime()
{
    const DeviceReplies before = readSwitch();
    const int earlier = simulator->loggedLines().size();
    QStringList events;
    QList<bool> busy;
    connect(runner.get(), &OperationRunner::busyChanged, this, [&] { busy << runner->busy(); });
    connect(runner.get(), &OperationRunner::finished, this, [&](DeviceOperation *ended) {
        events << QStringLiteral("%1 ended after %2 lines")
                      .arg(QString::fromLatin1(ended->metaObject()->className()))
                      .arg(simulator->loggedLines().size() - earlier);
    });
    runner->run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    runner->run(storeOf(before));
    QVERIFY(runner->busy());
    runner->run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    QTRY_VERIFY_WITH_TIMEOUT(!runner->busy(), 15000);
    QCOMPARE(events, (QStringList{"ReadPlanOperation ended after 4 lines", "SendPlanOperation ended after 13 lines",
                                  "ReadPlanOperation ended after 17 lines"}));
    QCOMPARE(busy, (QList<bool>{true, false}));
}

void tst_DeviceOperations::noLineMeansConnectionLost()
{
    simulator->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!handler->isConnected(), 5000);
    DeviceOperation::Kind kind = DeviceOperation::Kind::Running;
    QString message;
    connect(runner.get(), &OperationRunner::finished, this, [&](DeviceOperation *ended) {
        kind = ended->kind();
        message = ended->message();
    });
    QVERIFY(runToEnd(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue())));
    QCOMPARE(kind, DeviceOperation::Kind::Lost);
    QCOMPARE(message, DeviceOperation::connectionLostMessage());
}

QTEST_GUILESS_MAIN(tst_DeviceOperations)
#include "tst_deviceoperations.moc"
