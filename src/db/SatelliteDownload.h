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
// deadline: a server that trickles past the client's time-outs counts as a
// broken download. At the deadline the worker's connection is shut down, so
// that it ends at once; the application's end stops every worker and waits
// for them at most exitWaitMs.
class SatelliteDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultDeadlineMs = 9000;
    static constexpr int exitWaitMs = 800;

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
