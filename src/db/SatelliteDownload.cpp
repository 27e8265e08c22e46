#include "SatelliteDownload.h"

#include "io/LogCategories.h"

#include <QCoreApplication>

#include <atomic>

namespace {
// Every worker thread made, on the thread that makes the downloads (the
// application's); finished ones have deleted themselves.
QList<QPointer<QThread>> &workers()
{
    static QList<QPointer<QThread>> list;
    return list;
}
} // namespace

// What the worker leaves for the object; kept alive by both, since the
// worker may outlive an object that gave up on it.
struct SatelliteDownload::Shared
{
    SqlHandler::Download result;
    std::atomic<bool> opened{false};
};

SatelliteDownload::SatelliteDownload(const SqlHandler::Connection &connection, int deadlineMs,
                                     QObject *parent)
    : QObject(parent), shared(std::make_shared<Shared>())
{
    auto state = shared;
    SqlHandler::Progress progress;
    // The database driver ends its client library when the application
    // object goes (a routine of Qt's application end). Routines run newest
    // first: registered again once the driver registered its own, the wait
    // for the workers comes before it.
    waitAtApplicationEnd();
    progress.driverMade = &SatelliteDownload::waitAtApplicationEnd;
    progress.opened = [state] { state->opened = true; };
    worker = QThread::create(
        [state, connection, progress] { state->result = SqlHandler::download(connection, progress); });

    QList<QPointer<QThread>> &all = workers();
    all.removeAll(QPointer<QThread>());
    all.append(worker);

    // The result is read on this object's thread, after the worker is done.
    connect(worker, &QThread::finished, this, [this, state] { deliver(state->result); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);

    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this, state, deadlineMs, connection] {
        SqlHandler::Download late;
        late.server = connection;
        // Only a server that accepted the connection can have broken off; a
        // name look-up or a connection that never came is no broken answer.
        late.opened = state->opened;
        const QString seconds = QString::number(deadlineMs / 1000.0);
        late.reason = late.opened ? tr("no complete answer within %1 s").arg(seconds)
                                  : tr("no connection to the server within %1 s").arg(seconds);
        deliver(late);
    });
    deadline.start(deadlineMs);
    worker->start();
}

SatelliteDownload::~SatelliteDownload() = default;

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
    QList<QPointer<QThread>> all;
    all.swap(workers());
    for (const QPointer<QThread> &thread : qAsConst(all)) {
        if (!thread)
            continue;
        if (thread->isRunning())
            qCInfo(downloadLog) << "Waiting for a satellite download given up at its deadline";
        thread->wait();
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
