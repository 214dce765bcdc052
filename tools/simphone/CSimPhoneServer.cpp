// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSimPhoneServer.h"

#include "CPtyMaster.h"
#include "CSimPhone.h"

#include <cstdio>
#include <iostream>
#include <poll.h>

namespace {

// While the slave is closed the master reports POLLHUP without pause, so it
// cannot be waited on; looking this often keeps the ready frame punctual.
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

CSimPhoneServer::CSimPhoneServer(CPtyMaster& pty, CSimPhone& phone, Settings settings, int stopFd)
    : m_pty(pty), m_phone(phone), m_settings(std::move(settings)), m_paced(phone, m_settings.charTime),
      m_stopFd(stopFd)
{
    if (m_settings.log)
        m_phone.onLog = [this](std::string_view line) { Note(line); };
}

int CSimPhoneServer::Run()
{
    while (!m_stopped && WaitForPc()) {
        RunSession();
        if (m_phone.WantsToVanish())
            return Vanish();
        if (m_settings.sessions > 0 && m_completed >= m_settings.sessions)
            break;
    }
    return 0;
}

bool CSimPhoneServer::WaitForPc()
{
    while (!m_pty.SlaveOpen())
        if (StopWithin(kIdleTickMs))
            return false;
    return true;
}

void CSimPhoneServer::RunSession()
{
    Note("port opened");
    m_pty.DropUnread();
    const Clock::time_point readyAt = Clock::now() + std::chrono::milliseconds(m_settings.readyDelayMs);
    bool started = false;
    for (;;) {
        const std::optional<Clock::time_point> due = WakeAt(started, readyAt);
        const CPtyMaster::Events events = m_pty.WaitUntil(m_stopFd, due);
        m_stopped = events.stop;
        if (m_stopped)
            break;
        if (!started && Clock::now() >= readyAt) {
            m_paced.StartSession(Now());
            started = true;
        }
        if (events.input && !HandleInput())
            break;
        const std::string answer = m_paced.Poll(Now());
        if (!answer.empty() && started && due)
            m_timing.Wrote(*due, Clock::now(), !m_paced.SendingToPc());
        Send(answer);
        NoteCompleted();
        // A telephone that vanishes still lets go of what is on the line.
        if (m_phone.WantsToVanish() && !m_paced.SendingToPc())
            return;
        if (events.hangup)
            break;
    }
    m_paced.EndSession();
    m_pty.DropUnread();
    if (started)
        WriteTiming();
    Note("port closed");
}

// Until the ready frame is due, then until the line's next byte arrives.
std::optional<CSimPhoneServer::Clock::time_point> CSimPhoneServer::WakeAt(bool started,
                                                                          Clock::time_point readyAt) const
{
    if (!started)
        return readyAt;
    const std::optional<CPacedPhone::Time> next = m_paced.NextEvent();
    if (!next)
        return std::nullopt;
    return m_origin + std::chrono::duration_cast<Clock::duration>(*next);
}

// False when the line has gone.
bool CSimPhoneServer::HandleInput()
{
    std::string bytes;
    while (m_pty.Read(bytes)) {
        if (bytes.empty())
            return true;
        m_timing.Heard(Clock::now(), bytes.size());
        Send(m_paced.Receive(bytes, Now()));
        NoteCompleted();
    }
    return false;
}

void CSimPhoneServer::Send(std::string_view bytes)
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

void CSimPhoneServer::NoteCompleted()
{
    const CSimPhone::Completed kind = m_phone.TakeCompleted();
    if (kind == CSimPhone::Completed::None)
        return;
    ++m_completed;
    Note(kind == CSimPhone::Completed::Write ? "write complete" : "read complete");
    std::string error;
    if (kind == CSimPhone::Completed::Write && !m_settings.savePath.empty() && !m_phone.Save(m_settings.savePath, error))
        std::cerr << "simphone: cannot save " << m_settings.savePath << ": " << error << std::endl;
}

void CSimPhoneServer::WriteTiming() const
{
    if (!m_settings.timingPath.empty() && !m_timing.WriteReport(m_settings.timingPath))
        std::cerr << "simphone: cannot write " << m_settings.timingPath << std::endl;
}

int CSimPhoneServer::Vanish()
{
    StopWithin(kVanishLingerMs);
    m_pty.Close();
    Note("vanished");
    return 0;
}

CPacedPhone::Time CSimPhoneServer::Now() const
{
    return std::chrono::duration_cast<CPacedPhone::Time>(Clock::now() - m_origin);
}

bool CSimPhoneServer::StopWithin(int timeoutMs) const
{
    pollfd p{m_stopFd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

void CSimPhoneServer::Note(std::string_view line) const
{
    if (m_settings.log)
        std::cerr << "simphone: " << Printable(line) << std::endl;
}
