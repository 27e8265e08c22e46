#include "OperationRunner.h"

#include "SerialPortHandler.h"

#include <QTimer>

#include <utility>

OperationRunner::OperationRunner(SerialPortHandler &device, QObject *parent) : QObject(parent), device(device)
{
}

OperationRunner::~OperationRunner()
{
    if (current) {
        current->disconnect(this);
        device.holdLine(false);
    }
}

void OperationRunner::run(std::unique_ptr<DeviceOperation> operation)
{
    const bool wasBusy = busy();
    waiting.push_back(std::move(operation));
    if (!wasBusy)
        emit busyChanged();
    startNext();
}

void OperationRunner::cancel()
{
    if (current)
        current->cancel();
}

void OperationRunner::startNext()
{
    if (current || waiting.empty())
        return;
    current = std::move(waiting.front());
    waiting.pop_front();
    // A switch plugged in again owes nothing.
    if (device.connectionNumber() != connection) {
        connection = device.connectionNumber();
        unanswered = 0;
    }
    device.holdLine(true);
    connect(current.get(), &DeviceOperation::progressChanged, this, &OperationRunner::progressChanged);
    connect(current.get(), &DeviceOperation::finished, this, &OperationRunner::ended);
    current->start(device.line(), unanswered);
}

void OperationRunner::ended()
{
    std::unique_ptr<DeviceOperation> done = std::move(current);
    done->disconnect(this);
    device.holdLine(false);
    emit finished(done.get());
    // The operation may still be inside its own signal: it goes from the
    // event loop.
    done.release()->deleteLater();
    if (!waiting.empty())
        QTimer::singleShot(0, this, &OperationRunner::startNext);
    else
        emit busyChanged();
}
