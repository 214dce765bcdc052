// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSimPhoneServer.h"

#include "CPtyMaster.h"
#include "CSimPhone.h"

#include <algorithm>
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

int MsUntil(std::chrono::steady_clock::time_point when)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(when - std::chrono::steady_clock::now());
    // One more millisecond, so that the wait does not end just too early.
    return static_cast<int>(std::max<long long>(0, left.count() + 1));
}

} // namespace

CSimPhoneServer::CSimPhoneServer(CPtyMaster& pty, CSimPhone& phone, Settings settings, int stopFd)
    : m_pty(pty), m_phone(phone), m_settings(std::move(settings)), m_stopFd(stopFd)
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
    bool readySent = false;
    for (;;) {
        const CPtyMaster::Events events = m_pty.Wait(m_stopFd, readySent ? -1 : MsUntil(readyAt));
        m_stopped = events.stop;
        if (m_stopped)
            break;
        if (!readySent && Clock::now() >= readyAt) {
            Send(m_phone.StartSession());
            readySent = true;
        }
        if ((events.input && !HandleInput()) || events.hangup)
            break;
        if (m_phone.WantsToVanish())
            return;
    }
    m_phone.EndSession();
    m_pty.DropUnread();
    Note("port closed");
}

// False when the line has gone.
bool CSimPhoneServer::HandleInput()
{
    std::string bytes;
    while (m_pty.Read(bytes)) {
        if (bytes.empty())
            return true;
        Send(m_phone.Receive(bytes));
        NoteCompleted();
        if (m_phone.WantsToVanish())
            return true;
    }
    return false;
}

void CSimPhoneServer::Send(std::string_view bytes)
{
    if (!bytes.empty() && !m_pty.Write(bytes))
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

int CSimPhoneServer::Vanish()
{
    StopWithin(kVanishLingerMs);
    m_pty.Close();
    Note("vanished");
    return 0;
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
