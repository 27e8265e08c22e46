#pragma once

#include "DownloadChannel.h"
#include "SqlHandler.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <memory>

// One download of the satellite data beside the window, so that the window
// is drawn and answers while the server is asked. finished() comes exactly
// once, on the thread that made this object, at the latest after the
// deadline: a server that trickles past the client's time-outs counts as a
// broken download.
//
// Given a program (DownloadChild::ownProgram()), the download runs in a
// process of its own, bounded in memory, and is followed through signals
// only: at the deadline, and when this object goes, the process is killed.
// Without one it runs on a worker thread: at the deadline the worker's
// connection is shut down, so that it ends at once; the application's end
// stops every worker and waits for them at most exitWaitMs (a worker still
// looking up the server's name is left behind).
class SatelliteDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultDeadlineMs = 9000;
    static constexpr int exitWaitMs = 800;

    explicit SatelliteDownload(const SqlHandler::Connection &connection, int deadlineMs = defaultDeadlineMs,
                               const QString &program = QString(), QObject *parent = nullptr);
    ~SatelliteDownload() override;

    // Workers of this process that still run.
    static int runningWorkers();
    // The download's process, while it runs (0 without one).
    qint64 processId() const;

signals:
    void finished(const SqlHandler::Download &result);

private:
    struct Shared;
    void startWorker(const SqlHandler::Connection &connection);
    void startProcess(const QString &program, const SqlHandler::Connection &connection);
    void readProcess();
    void processEnded();
    void endProcess();
    void deliver(const SqlHandler::Download &result);
    static void waitAtApplicationEnd();
    static void waitForWorkers();

    std::shared_ptr<Shared> shared;
    QPointer<QThread> worker;
    QProcess *process = nullptr;
    std::unique_ptr<DownloadChannel> channel;
    SqlHandler::Connection server;
    QTimer deadline;
    bool delivered = false;
};
