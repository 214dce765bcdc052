// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSessionLoop.h"

#include "CPtyMaster.h"
#include "ISessionOwner.h"

#include <cstdio>
#include <iostream>
#include <poll.h>
#include <utility>

namespace {

// While the slave is closed the master reports POLLHUP without pause, so it
// cannot be waited on; looking this often notices the PC soon enough and
// keeps the device's first bytes punctual.
constexpr int kIdleTickMs = 20;
// Closing the master discards what the slave has not read yet; the PC gets
// this long to take the last answer before the telephone vanishes.
constexpr int kVanishLingerMs = 250;

std::string Printable(std::string_view text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += hex;
    }
    return out;
}

} // namespace

CSessionLoop::CSessionLoop(CPtyMaster& pty, IPacedDevice& device, ISessionOwner& owner, Settings settings, int stopFd)
    : m_pty(pty), m_device(device), m_owner(owner), m_settings(std::move(settings)), m_stopFd(stopFd)
{
}

int CSessionLoop::Run()
{
    while (!m_stopped && WaitForPc()) {
        RunSession();
        if (m_owner.WantsToVanish())
            return Vanish();
        if (m_owner.Done())
            break;
    }
    return 0;
}

bool CSessionLoop::WaitForPc()
{
    while (!m_pty.SlaveOpen())
        if (StopWithin(kIdleTickMs))
            return false;
    return true;
}

void CSessionLoop::RunSession()
{
    Note("port opened");
    m_pty.DropUnread();
    const Clock::time_point startAt = Clock::now() + std::chrono::milliseconds(m_settings.startDelayMs);
    bool started = false;
    for (;;) {
        const std::optional<Clock::time_point> due = WakeAt(started, startAt);
        const CPtyMaster::Events events = m_pty.WaitUntil(m_stopFd, due);
        m_stopped = events.stop;
        if (m_stopped)
            break;
        if (!started && Clock::now() >= startAt) {
            m_device.StartSession(Now());
            started = true;
        }
        if (events.input && !HandleInput())
            break;
        const std::string answer = m_device.Poll(Now());
        if (!answer.empty() && started && due)
            m_timing.Wrote(*due, Clock::now(), !m_device.SendingToPc());
        Send(answer);
        if (!m_owner.Polled())
            return;
        if (events.hangup)
            break;
    }
    m_device.EndSession();
    m_pty.DropUnread();
    if (started) {
        m_owner.Served();
        WriteTiming();
    }
    Note("port closed");
}

// Until the device's first bytes are due, then until the line's next byte arrives.
std::optional<CSessionLoop::Clock::time_point> CSessionLoop::WakeAt(bool started, Clock::time_point startAt) const
{
    if (!started)
        return startAt;
    const std::optional<IPacedDevice::Time> next = m_device.NextEvent();
    if (!next)
        return std::nullopt;
    return m_origin + std::chrono::duration_cast<Clock::duration>(*next);
}

// False when the line has gone.
bool CSessionLoop::HandleInput()
{
    std::string bytes;
    while (m_pty.Read(bytes)) {
        if (bytes.empty())
            return true;
        m_timing.Heard(Clock::now(), bytes.size());
        Send(m_device.Receive(bytes, Now()));
        if (!m_owner.Replied())
            return true;
    }
    return false;
}

void CSessionLoop::Send(std::string_view bytes)
{
    if (bytes.empty())
        return;
    // Timed from before the write: the PC may see the bytes before it returns.
    const Clock::time_point writing = Clock::now();
    if (m_pty.Write(bytes))
        m_timing.Answered(writing, bytes.size());
    else
        Note("the PC does not take what is sent");
}

void CSessionLoop::WriteTiming() const
{
    if (!m_settings.timingPath.empty() && !m_timing.WriteReport(m_settings.timingPath))
        std::cerr << m_settings.program << ": cannot write " << m_settings.timingPath << std::endl;
}

int CSessionLoop::Vanish()
{
    m_owner.Vanishing();
    StopWithin(kVanishLingerMs);
    m_pty.Close();
    Note("vanished");
    return 0;
}

IPacedDevice::Time CSessionLoop::Now() const
{
    return std::chrono::duration_cast<IPacedDevice::Time>(Clock::now() - m_origin);
}

bool CSessionLoop::StopWithin(int timeoutMs) const
{
    pollfd p{m_stopFd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

void CSessionLoop::Note(std::string_view line) const
{
    if (m_settings.log)
        std::cerr << m_settings.program << ": " << Printable(line) << std::endl;
}
