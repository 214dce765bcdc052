// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBootSimServer.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

namespace {

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
    : m_loader(loader), m_settings(std::move(settings)),
      m_loop(pty, loader, *this,
             {.program = "bootsim", .startDelayMs = m_settings.startDelayMs, .log = m_settings.log,
              .timingPath = m_settings.timingPath},
             stopFd)
{
    if (m_settings.log)
        m_loader.onLog = [this](std::string_view line) { m_loop.Note(line); };
}

bool CBootSimServer::WantsToVanish() const
{
    return m_loader.WantsToVanish();
}

bool CBootSimServer::Replied()
{
    return !m_loader.WantsToVanish();
}

// The image is there as soon as the load is over, while the PC may still
// hold the port.
bool CBootSimServer::Polled()
{
    if (m_loader.WantsToVanish())
        return false;
    if (m_loader.Over() && !std::exchange(m_saved, true))
        SaveImage();
    return true;
}

void CBootSimServer::Served()
{
    ++m_sessions;
    m_saved = false;
    SaveImage();
}

void CBootSimServer::Vanishing()
{
    SaveImage();
}

bool CBootSimServer::Done() const
{
    return m_settings.sessions > 0 && m_sessions >= m_settings.sessions;
}

void CBootSimServer::SaveImage() const
{
    if (!m_settings.savePath.empty() && !WriteLines(m_settings.savePath, m_loader.Lines()))
        std::cerr << "bootsim: cannot save " << m_settings.savePath << std::endl;
}
