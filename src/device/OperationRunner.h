#pragma once

#include "DeviceOperation.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>

class SerialPortHandler;

// Runs the operations on the switch one at a time, on the line the handler
// has open. While one runs the handler leaves the line alone. The runner
// keeps, for as long as a line stays open, the count of replies the switch
// still owes to queries that timed out: they come in order, before the
// answer to the next query.
class OperationRunner : public QObject
{
    Q_OBJECT

public:
    explicit OperationRunner(SerialPortHandler &device, QObject *parent = nullptr);
    ~OperationRunner() override;

    // Queues `operation` (the runner owns it until it has finished, then
    // hands it to `finished`, whose listener may keep or drop it).
    void run(std::unique_ptr<DeviceOperation> operation);
    bool busy() const { return current || !waiting.empty(); }
    // The running operation, if any.
    DeviceOperation *running() const { return current.get(); }
    void cancel();

signals:
    // progress() or cancellable() of the running operation changed, or it ended.
    void progressChanged();
    void busyChanged();
    // The operation ended; it is deleted once the listeners have returned.
    void finished(DeviceOperation *operation);

private:
    void startNext();
    void ended();

    SerialPortHandler &device;
    std::deque<std::unique_ptr<DeviceOperation>> waiting;
    std::unique_ptr<DeviceOperation> current;
    int connection = 0;
    int unanswered = 0;
};
