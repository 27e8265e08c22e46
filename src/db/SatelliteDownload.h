#pragma once

#include "SqlHandler.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>

// One download of the satellite data on a worker thread, so that the window
// is drawn and answers while the server is asked. finished() comes exactly
// once, on the thread that made this object, at the latest after the
// deadline: a server that trickles past the driver's time-outs counts as a
// broken download. A worker given up at its deadline ends by itself, when
// the driver's time-outs end it, but never after the application object:
// that waits for it.
class SatelliteDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultDeadlineMs = 9000;

    explicit SatelliteDownload(const SqlHandler::Connection &connection, int deadlineMs = defaultDeadlineMs,
                               QObject *parent = nullptr);
    ~SatelliteDownload() override;

    // Workers of this process that still run.
    static int runningWorkers();

signals:
    void finished(const SqlHandler::Download &result);

private:
    struct Shared;
    void deliver(const SqlHandler::Download &result);
    static void waitAtApplicationEnd();
    static void waitForWorkers();

    std::shared_ptr<Shared> shared;
    QPointer<QThread> worker;
    QTimer deadline;
    bool delivered = false;
};
