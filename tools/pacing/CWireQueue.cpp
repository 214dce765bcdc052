// SPDX-License-Identifier: GPL-3.0-or-later
#include "CWireQueue.h"

#include <algorithm>

void CWireQueue::Push(std::string_view bytes, Time handedOver)
{
    m_idleAt = std::max(m_idleAt, handedOver);
    for (char byte : bytes) {
        m_idleAt += m_charTime;
        m_onTheWay.push_back({byte, m_idleAt});
    }
}

std::optional<CWireQueue::Arrival> CWireQueue::PopArrived(Time now)
{
    if (m_onTheWay.empty() || m_onTheWay.front().at > now)
        return std::nullopt;
    const Arrival first = m_onTheWay.front();
    m_onTheWay.pop_front();
    return first;
}

std::string CWireQueue::TakeArrived(Time now)
{
    std::string bytes;
    while (const auto arrival = PopArrived(now))
        bytes.push_back(arrival->byte);
    return bytes;
}

std::optional<CWireQueue::Time> CWireQueue::NextArrival() const
{
    if (m_onTheWay.empty())
        return std::nullopt;
    return m_onTheWay.front().at;
}

void CWireQueue::Clear()
{
    m_onTheWay.clear();
    m_idleAt = Time(0);
}
