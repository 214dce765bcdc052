// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPtyMaster.h"

#include <algorithm>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kWriteWaitMs = 1000;

std::string SystemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

CPtyMaster::~CPtyMaster()
{
    Close();
}

bool CPtyMaster::Open(std::string& error)
{
    m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_fd < 0) {
        error = SystemError("posix_openpt");
        return false;
    }
    const char* name = nullptr;
    if (::grantpt(m_fd) != 0 || ::unlockpt(m_fd) != 0 || !(name = ::ptsname(m_fd))) {
        error = SystemError("pseudo-terminal");
        Close();
        return false;
    }
    m_slavePath = name;
    // Opening and closing the slave once also makes the master report
    // POLLHUP from now on until the PC opens it.
    if (!SetRawMode(error) || ::fcntl(m_fd, F_SETFL, O_NONBLOCK) != 0) {
        if (error.empty())
            error = SystemError("fcntl");
        Close();
        return false;
    }
    return true;
}

bool CPtyMaster::SetRawMode(std::string& error) const
{
    const int slave = ::open(m_slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        error = SystemError(m_slavePath.c_str());
        return false;
    }
    termios settings{};
    bool ok = ::tcgetattr(slave, &settings) == 0;
    if (ok) {
        // Without raw mode the line discipline would echo and translate CR.
        ::cfmakeraw(&settings);
        ok = ::tcsetattr(slave, TCSANOW, &settings) == 0;
    }
    if (!ok)
        error = SystemError("tcsetattr");
    ::close(slave);
    return ok;
}

void CPtyMaster::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool CPtyMaster::SlaveOpen() const
{
    pollfd p{m_fd, 0, 0};
    return ::poll(&p, 1, 0) >= 0 && !(p.revents & (POLLHUP | POLLERR));
}

CPtyMaster::Events CPtyMaster::Wait(int stopFd, int timeoutMs) const
{
    if (timeoutMs < 0)
        return WaitUntil(stopFd, std::nullopt);
    return WaitUntil(stopFd, std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs));
}

CPtyMaster::Events CPtyMaster::WaitUntil(int stopFd,
                                         std::optional<std::chrono::steady_clock::time_point> deadline) const
{
    pollfd p[2] = {{stopFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
    Events events;
    timespec limit{};
    if (deadline) {
        const auto left = std::max(std::chrono::nanoseconds(0), *deadline - std::chrono::steady_clock::now());
        limit.tv_sec = static_cast<time_t>(left.count() / 1'000'000'000);
        limit.tv_nsec = static_cast<long>(left.count() % 1'000'000'000);
    }
    if (::ppoll(p, 2, deadline ? &limit : nullptr, nullptr) <= 0)
        return events; // time-out, or a signal that the stop descriptor reports next
    events.stop = p[0].revents != 0;
    events.input = (p[1].revents & POLLIN) != 0;
    events.hangup = (p[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    return events;
}

bool CPtyMaster::Read(std::string& bytes) const
{
    char buffer[256];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n > 0) {
        bytes.assign(buffer, static_cast<std::size_t>(n));
        return true;
    }
    bytes.clear();
    return n < 0 && (errno == EAGAIN || errno == EINTR);
}

bool CPtyMaster::Write(std::string_view bytes) const
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, kWriteWaitMs) <= 0 || !(p.revents & POLLOUT))
            return false;
    }
    return true;
}

void CPtyMaster::DropUnread() const
{
    // On a master, flushing the output empties the slave's input queue.
    ::tcflush(m_fd, TCOFLUSH);
}
