// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSimPhoneServer.h"

#include "CSimPhone.h"

#include <iostream>

CSimPhoneServer::CSimPhoneServer(CPtyMaster& pty, CSimPhone& phone, Settings settings, int stopFd)
    : m_phone(phone), m_settings(std::move(settings)), m_paced(phone, m_settings.charTime),
      m_loop(pty, m_paced, *this,
             {.program = "simphone", .startDelayMs = m_settings.readyDelayMs, .log = m_settings.log,
              .timingPath = m_settings.timingPath},
             stopFd)
{
    if (m_settings.log)
        m_phone.onLog = [this](std::string_view line) { m_loop.Note(line); };
}

bool CSimPhoneServer::WantsToVanish() const
{
    return m_phone.WantsToVanish();
}

bool CSimPhoneServer::Replied()
{
    NoteCompleted();
    return true;
}

// A telephone that vanishes still lets go of what is on the line.
bool CSimPhoneServer::Polled()
{
    NoteCompleted();
    return !m_phone.WantsToVanish() || m_paced.SendingToPc();
}

bool CSimPhoneServer::Done() const
{
    return m_settings.sessions > 0 && m_completed >= m_settings.sessions;
}

void CSimPhoneServer::NoteCompleted()
{
    const CSimPhone::Completed kind = m_phone.TakeCompleted();
    if (kind == CSimPhone::Completed::None)
        return;
    ++m_completed;
    m_loop.Note(kind == CSimPhone::Completed::Write ? "write complete" : "read complete");
    std::string error;
    if (kind == CSimPhone::Completed::Write && !m_settings.savePath.empty() && !m_phone.Save(m_settings.savePath, error))
        std::cerr << "simphone: cannot save " << m_settings.savePath << ": " << error << std::endl;
}
