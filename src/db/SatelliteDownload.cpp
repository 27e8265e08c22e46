#include "SatelliteDownload.h"

// What the worker leaves for the object; kept alive by both, since the
// worker may outlive an object that gave up on it.
struct SatelliteDownload::Shared
{
    SqlHandler::Download result;
};

SatelliteDownload::SatelliteDownload(const SqlHandler::Connection &connection, int deadlineMs,
                                     QObject *parent)
    : QObject(parent), shared(std::make_shared<Shared>()),
      worker(
          QThread::create([state = shared, connection] { state->result = SqlHandler::download(connection); }))
{
    auto state = shared;
    // The result is read on this object's thread, after the worker is done.
    connect(worker, &QThread::finished, this, [this, state] { deliver(state->result); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);

    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, [this, deadlineMs] {
        SqlHandler::Download late;
        // Only a server that accepted the connection can still be sending.
        late.opened = true;
        late.reason = tr("no complete answer within %1 s").arg(deadlineMs / 1000.0);
        deliver(late);
    });
    deadline.start(deadlineMs);
    worker->start();
}

SatelliteDownload::~SatelliteDownload()
{
    // A program that ends while the worker still waits for the server must
    // not pull the database driver from under it: wait, but not beyond the
    // deadline (a worker past it is left to the end of the process).
    if (worker && worker->isRunning() && deadline.isActive())
        worker->wait(qMax(0, deadline.remainingTime()));
}

void SatelliteDownload::deliver(const SqlHandler::Download &result)
{
    if (delivered)
        return;
    delivered = true;
    deadline.stop();
    emit finished(result);
}
