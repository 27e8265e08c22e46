#include "SatelliteDownload.h"

#include "DownloadChild.h"
#include "ServerLink.h"

#include "io/LogCategories.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>
#include <atomic>

namespace {
// Every worker thread made, on the thread that makes the downloads (the
// application's); finished ones have deleted themselves.
QList<QPointer<QThread>> &workers()
{
    static QList<QPointer<QThread>> list;
    return list;
}

// Download processes killed and not yet collected: the window never waits
// for one; the application's end does.
QList<QPointer<QProcess>> &killedProcesses()
{
    static QList<QPointer<QProcess>> list;
    return list;
}

void collectKilledProcesses()
{
    QList<QPointer<QProcess>> all;
    all.swap(killedProcesses());
    for (const QPointer<QProcess> &process : qAsConst(all)) {
        if (!process)
            continue;
        // Killed, it is gone at once: the wait only collects it.
        process->waitForFinished(SatelliteDownload::exitWaitMs);
        delete process.data();
    }
}
} // namespace

// What the worker leaves for the object; kept alive by both, since the
// worker may outlive an object that gave up on it.
struct SatelliteDownload::Shared
{
    SqlHandler::Download result;
    std::atomic<bool> opened{false};
    std::shared_ptr<DownloadStop> stop = std::make_shared<DownloadStop>();
};

namespace {
// The stops of the workers that still run, so that the application's end
// can stop them all.
QList<std::weak_ptr<DownloadStop>> &stops()
{
    static QList<std::weak_ptr<DownloadStop>> list;
    return list;
}
} // namespace

SatelliteDownload::SatelliteDownload(const SqlHandler::Connection &connection, int deadlineMs,
                                     const QString &program, QObject *parent)
    : QObject(parent), shared(std::make_shared<Shared>()), server(connection)
{
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this, deadlineMs] {
        SqlHandler::Download late;
        late.server = server;
        // Only a server that accepted the connection can have broken off; a
        // name look-up or a connection that never came is no broken answer.
        late.opened = shared->opened || (channel && channel->opened());
        const QString seconds = QString::number(deadlineMs / 1000.0);
        late.reason = late.opened ? tr("no complete answer within %1 s").arg(seconds)
                                  : tr("no connection to the server within %1 s").arg(seconds);
        // The connection ends now, not when the server or the line lets it.
        shared->stop->stop();
        endProcess();
        deliver(late);
    });
    deadline.start(deadlineMs);
    if (program.isEmpty())
        startWorker(connection);
    else
        startProcess(program, connection);
}

void SatelliteDownload::startWorker(const SqlHandler::Connection &connection)
{
    auto state = shared;
    SqlHandler::Progress progress;
    waitAtApplicationEnd();
    ServerLink::prepareLibrary();
    progress.opened = [state] { state->opened = true; };
    progress.stop = state->stop;
    QList<std::weak_ptr<DownloadStop>> &running = stops();
    running.erase(std::remove_if(running.begin(), running.end(),
                                 [](const std::weak_ptr<DownloadStop> &stop) { return stop.expired(); }),
                  running.end());
    running.append(state->stop);
    worker = QThread::create(
        [state, connection, progress] { state->result = SqlHandler::download(connection, progress); });

    QList<QPointer<QThread>> &all = workers();
    all.removeAll(QPointer<QThread>());
    all.append(worker);

    // The result is read on this object's thread, after the worker is done.
    connect(worker, &QThread::finished, this, [this, state] { deliver(state->result); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void SatelliteDownload::startProcess(const QString &program, const SqlHandler::Connection &connection)
{
    channel = std::make_unique<DownloadChannel>();
    process = new QProcess(this);
    // The child's own complaints (a sanitizer's, the loader's) reach ours.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::readyReadStandardOutput, this, &SatelliteDownload::readProcess);
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &SatelliteDownload::processEnded);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded();
    });
    process->start(program, {QString::fromLatin1(DownloadChild::childArgument())});
    // The password goes through the pipe alone.
    process->write(DownloadChannel::settings(connection));
    process->closeWriteChannel();
}

void SatelliteDownload::readProcess()
{
    if (delivered || !process)
        return;
    const QString refused = channel->feed(process->readAllStandardOutput());
    if (!refused.isEmpty()) {
        qCWarning(downloadLog).noquote() << "The download process is ended:" << refused;
        endProcess();
        SqlHandler::Download failed;
        failed.server = server;
        failed.opened = channel->opened();
        failed.reason = refused;
        deliver(failed);
    } else if (channel->ended()) {
        deliver(channel->download(server));
    }
}

void SatelliteDownload::processEnded()
{
    readProcess();
    if (delivered || !process)
        return;
    qCWarning(downloadLog) << "The download process ended without an outcome:" << process->exitStatus()
                           << process->exitCode() << process->errorString();
    SqlHandler::Download failed;
    failed.server = server;
    failed.opened = channel->opened();
    failed.reason = tr("the download ended unexpectedly");
    deliver(failed);
}

void SatelliteDownload::endProcess()
{
    if (!process)
        return;
    QProcess *ending = process;
    process = nullptr;
    ending->disconnect(this);
    if (ending->state() == QProcess::NotRunning)
        return;
    ending->kill();
    // Collected through the event loop when it has gone, or at the
    // application's end.
    ending->setParent(nullptr);
    connect(ending, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), ending, &QObject::deleteLater);
    QList<QPointer<QProcess>> &killed = killedProcesses();
    killed.removeAll(QPointer<QProcess>());
    killed.append(ending);
    qRemovePostRoutine(&collectKilledProcesses);
    qAddPostRoutine(&collectKilledProcesses);
}

qint64 SatelliteDownload::processId() const
{
    return process ? process->processId() : 0;
}

SatelliteDownload::~SatelliteDownload()
{
    endProcess();
}

void SatelliteDownload::waitAtApplicationEnd()
{
    qRemovePostRoutine(&SatelliteDownload::waitForWorkers);
    qAddPostRoutine(&SatelliteDownload::waitForWorkers);
}

int SatelliteDownload::runningWorkers()
{
    int running = 0;
    for (const QPointer<QThread> &thread : qAsConst(workers())) {
        if (thread && thread->isRunning())
            ++running;
    }
    return running;
}

void SatelliteDownload::waitForWorkers()
{
    for (const std::weak_ptr<DownloadStop> &weak : qAsConst(stops())) {
        if (const auto stop = weak.lock())
            stop->stop();
    }
    stops().clear();
    QList<QPointer<QThread>> all;
    all.swap(workers());
    QDeadlineTimer bound(exitWaitMs);
    for (const QPointer<QThread> &thread : qAsConst(all)) {
        if (!thread)
            continue;
        // A stopped worker ends at once unless it is still looking up the
        // server's name, which nothing can cut short: the program does not
        // wait for it, and the worker, once past it, finds itself stopped.
        if (!thread->wait(bound)) {
            qCInfo(downloadLog) << "A stopped satellite download still connects; the program ends without it";
            continue;
        }
        // Its deleteLater() would need an event loop that is over.
        delete thread.data();
    }
}

void SatelliteDownload::deliver(const SqlHandler::Download &result)
{
    if (delivered)
        return;
    delivered = true;
    deadline.stop();
    emit finished(result);
}
