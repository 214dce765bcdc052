// SPDX-License-Identifier: GPL-3.0-or-later
// The watcher of a port on Linux: epoll on the device and an eventfd that
// the owner's side wakes it with.
#include "SioPortPosix.h"

#include <cstdint>

#include <unistd.h>

bool CSio::OsPort::WatchPort(int operation, bool withOutput) const
{
    epoll_event event{};
    event.events = EPOLLIN | EPOLLET | (withOutput ? EPOLLOUT : 0u);
    event.data.fd = fd;
    return epoll_ctl(epollFd, operation, fd, &event) == 0;
}

void CSio::OsPort::CloseWatchFds()
{
    for (int* watchFd : {&epollFd, &wakeFd}) {
        if (*watchFd >= 0)
            ::close(*watchFd);
        *watchFd = -1;
    }
}

void CSio::Wake() const
{
    const std::uint64_t one = 1;
    (void)!::write(m_os->wakeFd, &one, sizeof one);
}

// The port is watched edge-triggered: new input wakes the watcher once, and
// bytes left unread do not wake it again, so a read needs no hand-back to
// the watcher unless it left bytes behind.
void CSio::WatchLoop()
{
    const OsPort& port = *m_os;
    bool fdDead = false;
    bool outWatched = false;
    while (!m_stopRequested.load()) {
        bool wantOut = false;
        bool drained = false;
        int timeout = -1;
        {
            std::lock_guard lock(m_txMutex);
            if (fdDead) {
                m_txLen = 0;
                m_txDone = 0;
                m_txAwaitDrain = false;
            }
            wantOut = m_txDone < m_txLen;
            if (m_txAwaitDrain && !wantOut) {
                const int queued = port.QueuedOutput();
                if (queued <= 0) {
                    m_txAwaitDrain = false;
                    drained = true;
                } else {
                    timeout = DrainWaitMs(queued);
                }
            }
        }
        if (drained)
            m_owner->PostCommNotify(CN_TRANSMIT);
        if (!fdDead && wantOut != outWatched)
            outWatched = port.WatchPort(EPOLL_CTL_MOD, wantOut) ? wantOut : outWatched;

        epoll_event events[2];
        const int count = epoll_wait(port.epollFd, events, 2, timeout);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        bool woken = false;
        std::uint32_t portEvents = 0;
        for (int i = 0; i < count; ++i) {
            if (events[i].data.fd == port.wakeFd) {
                std::uint64_t value = 0;
                (void)!::read(port.wakeFd, &value, sizeof value);
                woken = true;
            } else {
                portEvents |= events[i].events;
            }
        }
        if (m_stopRequested.load())
            break;
        if (fdDead)
            continue;
        if (portEvents & EPOLLOUT)
            ContinueWrite();
        // A wake-up from Read means it may have left bytes behind.
        const bool input = (portEvents & EPOLLIN) || (woken && port.InputWaiting());
        bool postReceive = input && !m_rxNotified.exchange(true);
        if (portEvents & (EPOLLHUP | EPOLLERR)) {
            // Device gone: tell the owner once (its Read finds nothing) and stop watching it.
            fdDead = true;
            m_deviceGone = true;
            (void)epoll_ctl(port.epollFd, EPOLL_CTL_DEL, port.fd, nullptr);
            m_rxNotified = true;
            postReceive = true;
        }
        if (postReceive)
            m_owner->PostCommNotify(CN_RECEIVE);
    }
}

void CSio::ContinueWrite()
{
    std::lock_guard lock(m_txMutex);
    if (m_txDone >= m_txLen)
        return;
    const ssize_t written = ::write(m_os->fd, m_txBuffer.data() + m_txDone, m_txLen - m_txDone);
    if (written > 0) {
        m_txDone += static_cast<std::size_t>(written);
    } else if (written < 0 && !WouldBlock(errno)) {
        m_txLen = 0;
        m_txDone = 0;
        m_txAwaitDrain = false;
    }
}
