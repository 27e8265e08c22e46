#include "DownloadStop.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace {
void shutDown(int socket)
{
#ifdef Q_OS_WIN
    ::shutdown(static_cast<SOCKET>(socket), SD_BOTH);
#else
    ::shutdown(socket, SHUT_RDWR);
#endif
}
} // namespace

void DownloadStop::stop()
{
    const std::lock_guard<std::mutex> guard(lock);
    done = true;
    if (socket >= 0)
        shutDown(socket);
}

bool DownloadStop::stopped() const
{
    const std::lock_guard<std::mutex> guard(lock);
    return done;
}

bool DownloadStop::attach(int socket)
{
    const std::lock_guard<std::mutex> guard(lock);
    this->socket = socket;
    if (done && socket >= 0)
        shutDown(socket);
    return !done;
}

void DownloadStop::detach()
{
    const std::lock_guard<std::mutex> guard(lock);
    socket = -1;
}
