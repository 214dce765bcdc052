// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an open port is on Linux, shared by the owner's side (CSioPosix.cpp)
// and the watcher (CSioWatchPosix.cpp).
#include "CSio.h"

#include <cerrno>

#include <sys/epoll.h>
#include <sys/ioctl.h>

struct CSio::OsPort {
    int fd = -1;
    int wakeFd = -1;         // eventfd that wakes the watcher
    int epollFd = -1;        // what the watcher waits on: the wake-up and the port
    bool exclusive = false;  // TIOCEXCL is ours to clear

    // Bytes still in the driver's output queue; 0 when it cannot say.
    int QueuedOutput() const
    {
        int queued = 0;
        return ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : 0;
    }
    bool InputWaiting() const
    {
        int waiting = 0;
        return ioctl(fd, FIONREAD, &waiting) == 0 && waiting > 0;
    }
    // Waits a moment for the output queue to empty; true when it did.
    bool DrainBriefly() const;
    bool WatchPort(int operation, bool withOutput) const;
    void CloseWatchFds();
};

inline bool WouldBlock(int err)
{
    return err == EAGAIN || err == EWOULDBLOCK || err == EINTR;
}
