#pragma once

#include <mutex>

// Ends a download from another thread: the socket of its connection is shut
// down, so that a read or write in progress returns at once and every later
// one fails, whatever the server does. Shared by the download and whoever
// may give up on it; the socket is only ever touched under the lock, and
// only while the connection that owns it is open.
class DownloadStop
{
public:
    void stop();
    bool stopped() const;

    // The connection's socket, from the connection's thread; -1 before it
    // closes. False when the download was stopped already (the socket is
    // shut down at once then).
    bool attach(int socket);
    void detach();

private:
    mutable std::mutex lock;
    int socket = -1;
    bool done = false;
};
