// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPacedPhone.h"

#include "CSimPhone.h"

void CPacedPhone::StartSession(Time now)
{
    m_line.Clear();
    m_line.ToPc(m_phone.StartSession(), now);
}

void CPacedPhone::EndSession()
{
    m_line.Clear();
    m_phone.EndSession();
}

std::string CPacedPhone::Receive(std::string_view bytes, Time now)
{
    m_line.FromPc(bytes, now);
    return Poll(now);
}

std::string CPacedPhone::Poll(Time now)
{
    // Byte by byte, so that an answer sets off when the byte that asked for
    // it arrived, however late the owner looks.
    while (const auto arrival = m_line.PopAtDevice(now))
        m_line.ToPc(m_phone.Receive(std::string_view(&arrival->byte, 1)), arrival->at);
    return m_line.TakeAtPc(now);
}
