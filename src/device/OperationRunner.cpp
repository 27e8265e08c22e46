#include "OperationRunner.h"

#include "SerialPortHandler.h"

#include <QTimer>

#include <algorithm>
#include <utility>

OperationRunner::OperationRunner(SerialPortHandler &device, QObject *parent) : QObject(parent), device(device)
{
}

OperationRunner::~OperationRunner()
{
    if (current)
        current->disconnect(this);
}

void OperationRunner::run(std::unique_ptr<DeviceOperation> operation)
{
    enqueue(Queued{std::move(operation), nullptr, false}, false);
}

void OperationRunner::runOn(QSerialPort *port, std::unique_ptr<DeviceOperation> operation)
{
    enqueue(Queued{std::move(operation), port, true}, true);
}

void OperationRunner::enqueue(Queued queued, bool first)
{
    const bool wasBusy = busy();
    if (first)
        waiting.push_front(std::move(queued));
    else
        waiting.push_back(std::move(queued));
    if (!wasBusy)
        emit busyChanged();
    startNext();
}

void OperationRunner::withdraw(const DeviceOperation *operation)
{
    const auto queued = std::find_if(waiting.begin(), waiting.end(),
                                     [operation](const Queued &q) { return q.operation.get() == operation; });
    if (queued == waiting.end())
        return;
    waiting.erase(queued);
    if (!busy())
        emit busyChanged();
}

void OperationRunner::startNext()
{
    if (current || waiting.empty())
        return;
    Queued next = std::move(waiting.front());
    waiting.pop_front();
    current = std::move(next.operation);
    connect(current.get(), &DeviceOperation::progressChanged, this, &OperationRunner::progressChanged);
    connect(current.get(), &DeviceOperation::finished, this, &OperationRunner::ended);
    if (next.ownPort) {
        unansweredOnPort = 0;
        current->start(next.port.data(), unansweredOnPort);
        return;
    }
    // A switch plugged in again owes nothing.
    if (device.connectionNumber() != connection) {
        connection = device.connectionNumber();
        unanswered = 0;
    }
    current->start(device.line(), unanswered);
}

void OperationRunner::ended()
{
    std::unique_ptr<DeviceOperation> done = std::move(current);
    done->disconnect(this);
    emit finished(done.get());
    // The operation may still be inside its own signal: it goes from the
    // event loop.
    done.release()->deleteLater();
    if (!waiting.empty())
        QTimer::singleShot(0, this, &OperationRunner::startNext);
    else if (!current)
        emit busyChanged();
}
