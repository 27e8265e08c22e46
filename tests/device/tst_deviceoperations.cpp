// The operations on the switch and their runner against the switch
// simulator: which lines go out in which order. (Cancelling them is tested
// through the window's controller.)

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
    OperationRunner *runner = nullptr;
    int runs = 0;
};

void tst_DeviceOperations::init()
{
    const QString link = dir.filePath(QStringLiteral("switch-%1").arg(++runs));
    simulator = std::make_unique<SimulatorProcess>(link);
    QVERIFY2(simulator->start(), qPrintable(simulator->errors()));
    handler = std::make_unique<SerialPortHandler>(
        [link] { return QList<SerialPortCandidate>{SerialPortCandidate::ofSwitch(link)}; });
    QSignalSpy looked(handler.get(), &SerialPortHandler::lookEnded);
    handler->lookNow();
    QVERIFY(looked.wait(5000));
    QVERIFY(looked.takeFirst().at(0).toBool());
    QVERIFY(handler->isConnected());
    runner = &handler->operations();
}

void tst_DeviceOperations::cleanup()
{
    runner = nullptr;
    handler.reset();
    simulator.reset();
}

bool tst_DeviceOperations::runToEnd(std::unique_ptr<DeviceOperation> operation)
{
    QSignalSpy ended(runner, &OperationRunner::finished);
    runner->run(std::move(operation));
    return ended.wait(10000);
}

DeviceReplies tst_DeviceOperations::readSwitch()
{
    auto read = std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue());
    DeviceReplies replies;
    connect(runner, &OperationRunner::finished, this, [&replies](DeviceOperation *operation) {
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

// Operations asked for while one runs wait their turn: the line carries one
// conversation at a time, and each ends before the next begins.
void tst_DeviceOperations::operationsRunOneAtATime()
{
    const DeviceReplies before = readSwitch();
    const int earlier = simulator->loggedLines().size();
    QStringList events;
    QList<bool> busy;
    connect(runner, &OperationRunner::busyChanged, this, [&] { busy << runner->busy(); });
    connect(runner, &OperationRunner::finished, this, [&](DeviceOperation *ended) {
        events << QStringLiteral("%1 ended after %2 lines")
                      .arg(QString::fromLatin1(ended->metaObject()->className()))
                      .arg(simulator->loggedLines().size() - earlier);
    });
    runner->run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    runner->run(storeOf(before));
    QVERIFY(runner->busy());
    runner->run(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue()));
    QTRY_VERIFY_WITH_TIMEOUT(!runner->busy(), 15000);
    QCOMPARE(events,
             (QStringList{"ReadPlanOperation ended after 4 lines", "SendPlanOperation ended after 17 lines",
                          "ReadPlanOperation ended after 21 lines"}));
    QCOMPARE(busy, (QList<bool>{true, false}));
}

void tst_DeviceOperations::noLineMeansConnectionLost()
{
    simulator->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!handler->isConnected(), 5000);
    DeviceOperation::Kind kind = DeviceOperation::Kind::Running;
    QString message;
    connect(runner, &OperationRunner::finished, this, [&](DeviceOperation *ended) {
        kind = ended->kind();
        message = ended->message();
    });
    QVERIFY(runToEnd(std::make_unique<ReadPlanOperation>(QString(), QString(), SharedCatalogue())));
    QCOMPARE(kind, DeviceOperation::Kind::Lost);
    QCOMPARE(message, DeviceOperation::connectionLostMessage());
}

QTEST_GUILESS_MAIN(tst_DeviceOperations)
#include "tst_deviceoperations.moc"
