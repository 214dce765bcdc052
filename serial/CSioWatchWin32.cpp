// SPDX-License-Identifier: GPL-3.0-or-later
// The watcher of a port on Windows: WaitCommEvent for arriving bytes, the
// overlapped write's event for its completion, and an event that the
// owner's side wakes it with.
#include "SioPortWin32.h"

#include <algorithm>

namespace {

// Where WaitCommEvent does not work (Wine's ports on pseudo-terminals) the
// input queue is looked at this often instead.
constexpr DWORD kPollMs = 20;

// One WaitCommEvent at a time on its own overlapped event.
class CommWait {
public:
    explicit CommWait(HANDLE port) : m_port(port), m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        m_polling = !m_event || !::SetCommMask(m_port, EV_RXCHAR);
    }
    ~CommWait()
    {
        if (m_pending) {
            DWORD ignored = 0;
            (void)::CancelIoEx(m_port, &m_overlapped);
            (void)::GetOverlappedResult(m_port, &m_overlapped, &ignored, TRUE);
        }
        if (m_event)
            ::CloseHandle(m_event);
    }
    CommWait(const CommWait&) = delete;
    CommWait& operator=(const CommWait&) = delete;

    bool Polling() const { return m_polling; }
    // The event to wait on; null while no wait is outstanding.
    HANDLE Event() const { return m_pending ? m_event : nullptr; }

    // Starts the next wait unless one is outstanding.
    void Arm()
    {
        if (m_polling || m_pending)
            return;
        ::ResetEvent(m_event);
        m_overlapped = {};
        m_overlapped.hEvent = m_event;
        m_mask = 0;
        if (::WaitCommEvent(m_port, &m_mask, &m_overlapped)) {
            ::SetEvent(m_event); // at once: handled like a completion
            m_pending = true;
        } else if (::GetLastError() == ERROR_IO_PENDING) {
            m_pending = true;
        } else {
            m_polling = true;
        }
    }

    // After the event fired: the wait is over. A failed wait on a port that
    // still answers means the driver cannot wait; from then on it is polled.
    void Complete()
    {
        DWORD ignored = 0;
        const bool ok = ::GetOverlappedResult(m_port, &m_overlapped, &ignored, FALSE) != 0;
        m_pending = false;
        COMSTAT status{};
        DWORD errors = 0;
        if (!ok && ::ClearCommError(m_port, &errors, &status))
            m_polling = true;
    }

private:
    HANDLE m_port;
    HANDLE m_event;
    OVERLAPPED m_overlapped{};
    DWORD m_mask = 0;
    bool m_pending = false;
    bool m_polling = false;
};

bool Signalled(HANDLE event)
{
    return event && ::WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

} // namespace

void CSio::Wake() const
{
    ::SetEvent(m_os->wake);
}

void CSio::ContinueWrite()
{
    std::lock_guard lock(m_txMutex);
    OsPort& port = *m_os;
    std::size_t written = 0;
    if (port.writePending) {
        if (!Signalled(port.writeDone))
            return;
        if (!port.FinishWrite(written)) {
            m_txLen = 0;
            m_txDone = 0;
            m_txAwaitDrain = false;
            return;
        }
        m_txDone += written;
    }
    if (m_txDone >= m_txLen)
        return;
    if (!port.StartWrite(m_txBuffer.data() + m_txDone, m_txLen - m_txDone, written)) {
        m_txLen = 0;
        m_txDone = 0;
        m_txAwaitDrain = false;
        return;
    }
    m_txDone += written;
}

// Unlike epoll, the input queue is read whenever the watcher wakes: a wait
// that saw bytes arrive may have seen bytes that the owner has read since.
void CSio::WatchLoop()
{
    OsPort& port = *m_os;
    CommWait commWait(port.port);
    bool portDead = false;
    while (!m_stopRequested.load()) {
        HANDLE writeEvent = nullptr;
        bool drained = false;
        DWORD timeout = INFINITE;
        if (!portDead)
            ContinueWrite();
        {
            std::lock_guard lock(m_txMutex);
            if (portDead) {
                m_txLen = 0;
                m_txDone = 0;
                m_txAwaitDrain = false;
            }
            if (port.writePending) {
                writeEvent = port.writeDone;
            } else if (m_txAwaitDrain && m_txDone >= m_txLen) {
                const int queued = port.QueuedOutput();
                if (queued <= 0) {
                    m_txAwaitDrain = false;
                    drained = true;
                } else {
                    timeout = static_cast<DWORD>(DrainWaitMs(queued));
                }
            }
        }
        if (drained)
            m_owner->PostCommNotify(CN_TRANSMIT);
        if (!portDead)
            commWait.Arm();
        if (!portDead && commWait.Polling())
            timeout = std::min(timeout, kPollMs);

        // A dead port is not waited on: its events might stay signalled.
        HANDLE handles[3] = {port.wake};
        DWORD count = 1;
        for (HANDLE event : {commWait.Event(), writeEvent})
            if (event && !portDead)
                handles[count++] = event;
        if (::WaitForMultipleObjects(count, handles, FALSE, portDead ? INFINITE : timeout) == WAIT_FAILED)
            break;
        if (m_stopRequested.load())
            break;
        if (portDead)
            continue;
        if (Signalled(commWait.Event()))
            commWait.Complete();
        DWORD input = 0;
        DWORD output = 0;
        bool postReceive = false;
        if (!port.Queues(input, output)) {
            // Device gone: tell the owner once (its Read finds nothing) and stop watching it.
            portDead = true;
            m_deviceGone = true;
            m_rxNotified = true;
            postReceive = true;
        } else {
            postReceive = input > 0 && !m_rxNotified.exchange(true);
        }
        if (postReceive)
            m_owner->PostCommNotify(CN_RECEIVE);
    }
}
