// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBootSimServer.h"

#include "CPtyMaster.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <poll.h>
#include <utility>
#include <vector>

namespace {

// While the slave is closed the master reports POLLHUP without pause, so it
// cannot be waited on; looking this often notices the PC soon enough.
constexpr int kIdleTickMs = 20;
// Closing the master discards what the slave has not read yet; the PC gets
// this long to take the last answer before the telephone vanishes.
constexpr int kVanishLingerMs = 250;

std::string Printable(std::string_view text)
{
    std::string out;
    for (char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(byte);
            continue;
        }
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += hex;
    }
    return out;
}

// Written under another name first, so that a reader never sees half an image.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << '\n';
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

CBootSimServer::CBootSimServer(CPtyMaster& pty, CBootLoader& loader, Settings settings, int stopFd)
    : m_pty(pty), m_loader(loader), m_settings(std::move(settings)), m_stopFd(stopFd)
{
    if (m_settings.log)
        m_loader.onLog = [this](std::string_view line) { Note(line); };
}

int CBootSimServer::Run()
{
    while (!m_stopped && WaitForPc()) {
        RunSession();
        if (m_loader.WantsToVanish())
            return Vanish();
        if (m_settings.sessions > 0 && m_sessions >= m_settings.sessions)
            break;
    }
    return 0;
}

bool CBootSimServer::WaitForPc()
{
    while (!m_pty.SlaveOpen())
        if (StopWithin(kIdleTickMs))
            return false;
    return true;
}

void CBootSimServer::RunSession()
{
    Note("port opened");
    m_pty.DropUnread();
    const Clock::time_point startAt = Clock::now() + std::chrono::milliseconds(m_settings.startDelayMs);
    bool started = false;
    bool saved = false;
    for (;;) {
        const std::optional<Clock::time_point> due = WakeAt(started, startAt);
        const CPtyMaster::Events events = m_pty.WaitUntil(m_stopFd, due);
        m_stopped = events.stop;
        if (m_stopped)
            break;
        if (!started && Clock::now() >= startAt) {
            m_loader.StartSession(Now());
            started = true;
        }
        if (events.input && !HandleInput())
            break;
        const std::string answer = m_loader.Poll(Now());
        if (!answer.empty() && started && due)
            m_timing.Wrote(*due, Clock::now(), !m_loader.SendingToPc());
        Send(answer);
        if (m_loader.WantsToVanish())
            return;
        if (m_loader.Over() && !std::exchange(saved, true))
            SaveImage();
        if (events.hangup)
            break;
    }
    m_loader.EndSession();
    m_pty.DropUnread();
    if (started) {
        ++m_sessions;
        SaveImage();
        WriteTiming();
    }
    Note("port closed");
}

// Until the greeting is due, then until the loader's next byte is due.
std::optional<CBootSimServer::Clock::time_point> CBootSimServer::WakeAt(bool started,
                                                                        Clock::time_point startAt) const
{
    if (!started)
        return startAt;
    const std::optional<CBootLoader::Time> next = m_loader.NextEvent();
    if (!next)
        return std::nullopt;
    return m_origin + std::chrono::duration_cast<Clock::duration>(*next);
}

// False when the line has gone.
bool CBootSimServer::HandleInput()
{
    std::string bytes;
    while (m_pty.Read(bytes)) {
        if (bytes.empty())
            return true;
        m_timing.Heard(Clock::now(), bytes.size());
        Send(m_loader.Receive(bytes, Now()));
        if (m_loader.WantsToVanish())
            return true;
    }
    return false;
}

void CBootSimServer::Send(std::string_view bytes)
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

void CBootSimServer::WriteTiming() const
{
    if (!m_settings.timingPath.empty() && !m_timing.WriteReport(m_settings.timingPath))
        std::cerr << "bootsim: cannot write " << m_settings.timingPath << std::endl;
}

void CBootSimServer::SaveImage() const
{
    if (!m_settings.savePath.empty() && !WriteLines(m_settings.savePath, m_loader.Lines()))
        std::cerr << "bootsim: cannot save " << m_settings.savePath << std::endl;
}

int CBootSimServer::Vanish()
{
    SaveImage();
    StopWithin(kVanishLingerMs);
    m_pty.Close();
    Note("vanished");
    return 0;
}

CBootLoader::Time CBootSimServer::Now() const
{
    return std::chrono::duration_cast<CBootLoader::Time>(Clock::now() - m_origin);
}

bool CBootSimServer::StopWithin(int timeoutMs) const
{
    pollfd p{m_stopFd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

void CBootSimServer::Note(std::string_view line) const
{
    if (m_settings.log)
        std::cerr << "bootsim: " << Printable(line) << std::endl;
}
