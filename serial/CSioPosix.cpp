// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's side of a port on Linux: the device with termios, its modem
// lines, reads and the start of writes.
#include "SioPortPosix.h"
#include "TermiosLine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {

// How long Close lets written output leave before it discards the rest: an
// end record or a last answer written just before closing must reach the
// telephone, but a line held up by flow control must not hold the close.
constexpr int kCloseDrainMs = 300;

// Fails on devices without modem lines (pseudo-terminals): ignored.
void SetModemLine(int fd, int line, bool on)
{
    int bits = line;
    (void)ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits);
}

CSio::OpenError OpenErrorOf(int err)
{
    if (err == EACCES || err == EPERM)
        return CSio::OpenError::PermissionDenied;
    if (err == ENOENT || err == ENODEV || err == ENXIO)
        return CSio::OpenError::NotFound;
    if (err == EBUSY) // TIOCEXCL of another holder
        return CSio::OpenError::Busy;
    return CSio::OpenError::Other;
}

} // namespace

std::string DefaultDeviceForPort(int n)
{
    return "/dev/ttyS" + std::to_string(n - 1);
}

bool CSio::OsPort::DrainBriefly() const
{
    for (int waited = 0; waited < kCloseDrainMs; waited += 2) {
        if (QueuedOutput() <= 0)
            return true;
        ::usleep(2000);
    }
    return false;
}

CSio::CSio() : m_os(std::make_unique<OsPort>()) {}

CSio::~CSio()
{
    Close();
}

int CSio::ApplyLine(bool withFlow) const
{
    termios t{};
    if (tcgetattr(m_os->fd, &t) != 0 || !FillTermios(m_line, withFlow, t))
        return -1;
    return tcsetattr(m_os->fd, TCSANOW, &t);
}

void CSio::SetFlowRtsCts(int on)
{
    m_rtsCts = on != 0;
    if (!IsOpen())
        return;
    // RTS: handshake when on (raised, then driven by the driver), low when off.
    if (m_rtsCts)
        SetModemLine(m_os->fd, TIOCM_RTS, true);
    (void)ApplyLine(m_rtsCts); // a refusal is ignored
    if (!m_rtsCts)
        SetModemLine(m_os->fd, TIOCM_RTS, false);
}

void CSio::SetDtr(int on)
{
    m_dtr = on != 0;
    if (IsOpen())
        SetModemLine(m_os->fd, TIOCM_DTR, m_dtr);
}

bool CSio::OpenDevice()
{
    OsPort& port = *m_os;
    port.fd = ::open(m_openedPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (port.fd < 0) {
        FailOpen(OpenErrorOf(errno), errno);
        return false;
    }
    if (!isatty(port.fd)) {
        FailOpen(OpenError::Other, ENOTTY);
        return false;
    }
    // The lock first: TIOCEXCL is a flag of the device and must not be set on
    // somebody else's port.
    if (flock(port.fd, LOCK_EX | LOCK_NB) != 0) {
        FailOpen(OpenError::Busy, errno);
        return false;
    }
    (void)ioctl(port.fd, TIOCEXCL);
    port.exclusive = true;
    if (ApplyLine(m_rtsCts) != 0 && (!m_rtsCts || ApplyLine(false) != 0)) {
        FailOpen(OpenError::Other, errno);
        return false;
    }
    // The lines as the settings say (the driver raised both on open).
    SetModemLine(port.fd, TIOCM_DTR, m_dtr);
    SetModemLine(port.fd, TIOCM_RTS, m_rtsCts);
    serial_struct serial{};
    if (ioctl(port.fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        (void)ioctl(port.fd, TIOCSSERIAL, &serial); // refusal ignored
    }
    (void)tcflush(port.fd, TCIOFLUSH);

    port.wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    port.epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (port.wakeFd < 0 || port.epollFd < 0) {
        FailOpen(OpenError::Other, errno);
        return false;
    }
    epoll_event wake{};
    wake.events = EPOLLIN;
    wake.data.fd = port.wakeFd;
    if (epoll_ctl(port.epollFd, EPOLL_CTL_ADD, port.wakeFd, &wake) != 0 || !port.WatchPort(EPOLL_CTL_ADD, false)) {
        FailOpen(OpenError::Other, errno);
        return false;
    }
    return true;
}

void CSio::ReleaseDevice(bool letOutputLeave)
{
    OsPort& port = *m_os;
    if (port.fd >= 0) {
        // Output still queued after the drain is discarded: close() of a serial
        // port would otherwise wait for it without limit. A drained queue is not
        // flushed, because on a pseudo-terminal that flush throws away what the
        // far end has not read yet.
        if (letOutputLeave)
            (void)tcflush(port.fd, port.DrainBriefly() ? TCIFLUSH : TCIOFLUSH);
        if (port.exclusive)
            (void)ioctl(port.fd, TIOCNXCL);
        ::close(port.fd);
    }
    port.fd = -1;
    port.exclusive = false;
    port.CloseWatchFds();
}

int CSio::Read(unsigned char* buffer, int max)
{
    if (!IsOpen() || max <= 0 || buffer == nullptr)
        return 0;
    // Cleared before reading: input arriving from here on brings a new notice.
    const bool wasNotified = m_rxNotified.exchange(false);
    const ssize_t n = ::read(m_os->fd, buffer, static_cast<std::size_t>(max));
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
        const ssize_t written = ::write(m_os->fd, m_txBuffer.data(), n);
        if (written < 0 && !WouldBlock(errno)) {
            m_txLen = 0;
            m_txDone = 0;
            return 0;
        }
        m_txLen = n;
        m_txDone = written > 0 ? static_cast<std::size_t>(written) : 0;
        // A driver that passed everything on at once (a pseudo-terminal, a
        // fast adapter) has drained already: no need to wake the watcher.
        drainedNow = m_txDone == m_txLen && m_os->QueuedOutput() <= 0;
        m_txAwaitDrain = !drainedNow;
    }
    if (drainedNow)
        m_owner->PostCommNotify(CN_TRANSMIT);
    else
        Wake(); // the watcher completes the write and reports the drain
    return static_cast<int>(n);
}
