#pragma once

#include "DeviceOperation.h"

#include <QObject>
#include <QPointer>
#include <QSerialPort>

#include <deque>
#include <functional>
#include <memory>

class SerialPortHandler;

// Runs the operations on the switch one at a time: the only one that speaks
// on the handler's line, identification included. The runner keeps, for as
// long as a line stays open, the count of replies the switch still owes to
// queries that timed out: they come in order, before the answer to the next
// query.
class OperationRunner : public QObject
{
    Q_OBJECT

public:
    explicit OperationRunner(SerialPortHandler &device, QObject *parent = nullptr);
    ~OperationRunner() override;

    // Queues `operation` for the connected switch's line, as it is when the
    // operation starts (none: it ends Lost). The runner owns it until it has
    // finished, then hands it to `finished`, whose listener may keep or drop it.
    void run(std::unique_ptr<DeviceOperation> operation);
    // Queues `operation` for `port`, a port just opened that is not the
    // switch's line yet (its identification): it owes nothing. It goes before
    // the operations waiting, which are meant for the switch it may be; the
    // one running ends first.
    void runOn(QSerialPort *port, std::unique_ptr<DeviceOperation> operation);
    // Drops `operation` without a word while it waits: its owner is going.
    // One already running ends as it would (a send is never cut in half).
    void withdraw(const DeviceOperation *operation);
    bool busy() const { return current || !waiting.empty(); }
    // The running operation, if any.
    DeviceOperation *running() const { return current.get(); }

signals:
    // progress() or cancellable() of the running operation changed, or it ended.
    void progressChanged();
    void busyChanged();
    // The operation ended; it is deleted once the listeners have returned.
    void finished(DeviceOperation *operation);

private:
    struct Queued
    {
        std::unique_ptr<DeviceOperation> operation;
        // The port of an operation that brings its own; unused otherwise.
        QPointer<QSerialPort> port;
        bool ownPort = false;
    };

    void enqueue(Queued queued, bool first);
    void startNext();
    void ended();

    SerialPortHandler &device;
    std::deque<Queued> waiting;
    std::unique_ptr<DeviceOperation> current;
    int connection = 0;
    int unanswered = 0;
    // What the switch owes on a port of its own: nothing at first.
    int unansweredOnPort = 0;
};
