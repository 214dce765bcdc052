// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSio.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Bounds of the wait for handed-over output to drain (TIOCOUTQ has no
// wake-up): a look at least every 100 ms while flow control holds the line.
constexpr int kDrainWaitMinMs = 1;
constexpr int kDrainWaitMaxMs = 100;
// How long Close lets written output leave before it discards the rest: an
// end record or a last answer written just before closing must reach the
// telephone, but a line held up by flow control must not hold the close.
constexpr int kCloseDrainMs = 300;

// Bytes still in the driver's output queue; 0 when it cannot say.
int QueuedOutput(int fd)
{
    int queued = 0;
    return ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : 0;
}

bool InputWaiting(int fd)
{
    int waiting = 0;
    return ioctl(fd, FIONREAD, &waiting) == 0 && waiting > 0;
}

// True when nothing is left in the driver's output queue.
bool DrainBriefly(int fd)
{
    for (int waited = 0; waited < kCloseDrainMs; waited += 2) {
        if (QueuedOutput(fd) <= 0)
            return true;
        ::usleep(2000);
    }
    return false;
}

bool WouldBlock(int err)
{
    return err == EAGAIN || err == EWOULDBLOCK || err == EINTR;
}

} // namespace

std::string DefaultDeviceForPort(int n)
{
    return "/dev/ttyS" + std::to_string(n - 1);
}

CSio::CSio() = default;

CSio::~CSio()
{
    Close();
}

void CSio::SetPortNumber(int n)
{
    m_portNumber = n;
}

void CSio::SetDevicePath(std::string path)
{
    m_devicePath = std::move(path);
}

int CSio::SetBufferSizes(int rx, int tx)
{
    // rxSize has no counterpart on termios (the driver sizes its own queue);
    // txSize is the staging buffer that Open allocates.
    if (rx <= 0 || tx <= 0)
        return 0;
    m_rxSize = rx;
    m_txSize = tx;
    return 1;
}

int CSio::SetParams(std::string_view settings)
{
    m_settingsOk = 0;
    if (!ParseLineSettings(settings, m_line))
        return 0;
    m_charMicros = CharMicros(m_line);
    if (IsOpen())
        m_settingsOk = ApplyTermios(m_rtsCts) == 0 ? 1 : 0;
    else
        m_settingsOk = 1;
    return m_settingsOk;
}

int CSio::ApplyTermios(bool withFlow) const
{
    termios t{};
    if (tcgetattr(m_fd, &t) != 0 || !FillTermios(m_line, withFlow, t))
        return -1;
    return tcsetattr(m_fd, TCSANOW, &t);
}

void CSio::SetModemLine(int line, bool on) const
{
    // Fails on devices without modem lines (pseudo-terminals): ignored.
    int bits = line;
    (void)ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bits);
}

void CSio::SetFlowRtsCts(int on)
{
    m_rtsCts = on != 0;
    if (!IsOpen())
        return;
    // RTS: handshake when on (raised, then driven by the driver), low when off.
    if (m_rtsCts)
        SetModemLine(TIOCM_RTS, true);
    (void)ApplyTermios(m_rtsCts); // a refusal is ignored
    if (!m_rtsCts)
        SetModemLine(TIOCM_RTS, false);
}

void CSio::SetDtr(int on)
{
    m_dtr = on != 0;
    if (IsOpen())
        SetModemLine(TIOCM_DTR, m_dtr);
}

void CSio::FailOpen(OpenError error, int err)
{
    m_openError = error;
    m_openErrno = err;
    CloseWatchFds();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_txBuffer = {};
    m_owner = nullptr;
}

int CSio::Open(ISioNotify* owner)
{
    if (IsOpen()) {
        m_openError = OpenError::AlreadyOpen;
        m_openErrno = 0;
        return 0;
    }
    m_openError = OpenError::None;
    m_openErrno = 0;
    if (owner == nullptr) {
        FailOpen(OpenError::Other, EINVAL);
        return 0;
    }
    if (m_settingsOk == 0) {
        FailOpen(OpenError::BadSettings, 0);
        return 0;
    }
    if (m_portNumber < 1 || m_portNumber > 255) {
        FailOpen(OpenError::BadPortNumber, 0);
        return 0;
    }
    m_openedPath = m_devicePath.empty() ? DefaultDeviceForPort(m_portNumber) : m_devicePath;

    const int fd = ::open(m_openedPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        OpenError error = OpenError::Other;
        if (err == EACCES || err == EPERM)
            error = OpenError::PermissionDenied;
        else if (err == ENOENT || err == ENODEV || err == ENXIO)
            error = OpenError::NotFound;
        else if (err == EBUSY) // TIOCEXCL of another holder
            error = OpenError::Busy;
        FailOpen(error, err);
        return 0;
    }
    m_fd = fd;
    if (!isatty(m_fd)) {
        FailOpen(OpenError::Other, ENOTTY);
        return 0;
    }
    // The lock first: TIOCEXCL is a flag of the device and must not be set on
    // somebody else's port.
    if (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        FailOpen(OpenError::Busy, errno);
        return 0;
    }
    (void)ioctl(m_fd, TIOCEXCL);
    const auto failExclusive = [this](OpenError error, int err) {
        (void)ioctl(m_fd, TIOCNXCL);
        FailOpen(error, err);
    };
    if (ApplyTermios(m_rtsCts) != 0 && (!m_rtsCts || ApplyTermios(false) != 0)) {
        failExclusive(OpenError::Other, errno);
        return 0;
    }
    // The lines as the settings say (the driver raised both on open).
    SetModemLine(TIOCM_DTR, m_dtr);
    SetModemLine(TIOCM_RTS, m_rtsCts);
    serial_struct serial{};
    if (ioctl(m_fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        (void)ioctl(m_fd, TIOCSSERIAL, &serial); // refusal ignored
    }
    (void)tcflush(m_fd, TCIOFLUSH);

    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    m_epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (m_wakeFd < 0 || m_epollFd < 0) {
        failExclusive(OpenError::Other, errno);
        return 0;
    }
    epoll_event wake{};
    wake.events = EPOLLIN;
    wake.data.fd = m_wakeFd;
    if (epoll_ctl(m_epollFd, EPOLL_CTL_ADD, m_wakeFd, &wake) != 0 || !WatchPort(EPOLL_CTL_ADD, false)) {
        failExclusive(OpenError::Other, errno);
        return 0;
    }
    try {
        m_txBuffer.assign(static_cast<std::size_t>(m_txSize), 0);
    } catch (const std::bad_alloc&) {
        failExclusive(OpenError::Other, ENOMEM);
        return 0;
    }
    m_txLen = 0;
    m_txDone = 0;
    m_txAwaitDrain = false;
    m_owner = owner;
    m_rxNotified = false;
    m_deviceGone = false;
    m_stopRequested = false;
    try {
        m_watcher = std::thread(&CSio::WatchLoop, this);
    } catch (const std::system_error& e) {
        failExclusive(OpenError::Other, e.code().value());
        return 0;
    }
    return 1;
}

// About as long as the queued characters take on the line.
int CSio::DrainWaitMs(int queued) const
{
    const long long micros = static_cast<long long>(queued) * m_charMicros.load();
    return static_cast<int>(std::clamp<long long>((micros + 999) / 1000, kDrainWaitMinMs, kDrainWaitMaxMs));
}

void CSio::CloseWatchFds()
{
    for (int* fd : {&m_epollFd, &m_wakeFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void CSio::Wake() const
{
    const std::uint64_t one = 1;
    (void)!::write(m_wakeFd, &one, sizeof one);
}

int CSio::Read(unsigned char* buffer, int max)
{
    if (!IsOpen() || max <= 0 || buffer == nullptr)
        return 0;
    // Cleared before reading: input arriving from here on brings a new notice.
    const bool wasNotified = m_rxNotified.exchange(false);
    const ssize_t n = ::read(m_fd, buffer, static_cast<std::size_t>(max));
    // A full buffer may have left bytes behind that no new input will announce.
    if (wasNotified && n == max)
        Wake();
    // EAGAIN: nothing queued; any other error (device gone): nothing to read either.
    return n > 0 ? static_cast<int>(n) : 0;
}

int CSio::Write(const unsigned char* bytes, int len)
{
    if (!IsOpen() || len <= 0 || bytes == nullptr)
        return 0;
    std::size_t n = 0;
    bool drainedNow = false;
    {
        std::lock_guard lock(m_txMutex);
        if (m_txDone < m_txLen)
            return 0; // the previous write is still being handed to the driver
        n = std::min(static_cast<std::size_t>(len), m_txBuffer.size());
        std::memcpy(m_txBuffer.data(), bytes, n);
        const ssize_t written = ::write(m_fd, m_txBuffer.data(), n);
        if (written < 0 && !WouldBlock(errno)) {
            m_txLen = 0;
            m_txDone = 0;
            return 0;
        }
        m_txLen = n;
        m_txDone = written > 0 ? static_cast<std::size_t>(written) : 0;
        // A driver that passed everything on at once (a pseudo-terminal, a
        // fast adapter) has drained already: no need to wake the watcher.
        drainedNow = m_txDone == m_txLen && QueuedOutput(m_fd) <= 0;
        m_txAwaitDrain = !drainedNow;
    }
    if (drainedNow)
        m_owner->PostCommNotify(CN_TRANSMIT);
    else
        Wake(); // the watcher completes the write and reports the drain
    return static_cast<int>(n);
}

// The port is watched edge-triggered: new input wakes the watcher once, and
// bytes left unread do not wake it again, so a read needs no hand-back to
// the watcher unless it left bytes behind.
void CSio::WatchLoop()
{
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
                const int queued = QueuedOutput(m_fd);
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
            outWatched = WatchPort(EPOLL_CTL_MOD, wantOut) ? wantOut : outWatched;

        epoll_event events[2];
        const int count = epoll_wait(m_epollFd, events, 2, timeout);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        bool woken = false;
        std::uint32_t portEvents = 0;
        for (int i = 0; i < count; ++i) {
            if (events[i].data.fd == m_wakeFd) {
                std::uint64_t value = 0;
                (void)!::read(m_wakeFd, &value, sizeof value);
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
        const bool input = (portEvents & EPOLLIN) || (woken && InputWaiting(m_fd));
        bool postReceive = input && !m_rxNotified.exchange(true);
        if (portEvents & (EPOLLHUP | EPOLLERR)) {
            // Device gone: tell the owner once (its Read finds nothing) and stop watching it.
            fdDead = true;
            m_deviceGone = true;
            (void)epoll_ctl(m_epollFd, EPOLL_CTL_DEL, m_fd, nullptr);
            m_rxNotified = true;
            postReceive = true;
        }
        if (postReceive)
            m_owner->PostCommNotify(CN_RECEIVE);
    }
}

bool CSio::WatchPort(int operation, bool withOutput) const
{
    epoll_event event{};
    event.events = EPOLLIN | EPOLLET | (withOutput ? EPOLLOUT : 0u);
    event.data.fd = m_fd;
    return epoll_ctl(m_epollFd, operation, m_fd, &event) == 0;
}

void CSio::ContinueWrite()
{
    std::lock_guard lock(m_txMutex);
    if (m_txDone >= m_txLen)
        return;
    const ssize_t written = ::write(m_fd, m_txBuffer.data() + m_txDone, m_txLen - m_txDone);
    if (written > 0) {
        m_txDone += static_cast<std::size_t>(written);
    } else if (written < 0 && !WouldBlock(errno)) {
        m_txLen = 0;
        m_txDone = 0;
        m_txAwaitDrain = false;
    }
}

void CSio::Close()
{
    if (m_watcher.joinable()) {
        m_stopRequested = true;
        Wake();
        m_watcher.join();
    }
    if (m_fd >= 0) {
        // Output still queued after the drain is discarded: close() of a serial
        // port would otherwise wait for it without limit. A drained queue is not
        // flushed, because on a pseudo-terminal that flush throws away what the
        // far end has not read yet.
        const bool drained = DrainBriefly(m_fd);
        (void)tcflush(m_fd, drained ? TCIFLUSH : TCIOFLUSH);
        (void)ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
        m_fd = -1;
    }
    CloseWatchFds();
    {
        std::lock_guard lock(m_txMutex);
        m_txBuffer = {};
        m_txLen = 0;
        m_txDone = 0;
        m_txAwaitDrain = false;
    }
    m_rxNotified = false;
    m_stopRequested = false;
    m_owner = nullptr;
}
