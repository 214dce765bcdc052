// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkFakes.h"

#include "CTrans.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

std::string TelephoneFrame(const std::string& text)
{
    std::string line = "\x02" + text;
    if (text.size() >= 2 && text[0] == ':') {
        char sum[3];
        std::snprintf(sum, sizeof sum, "%02X", CTrans::CalCheckSum(text.c_str()));
        line += sum;
    }
    return line + "\x03\r\n";
}

int FakePort::Read(unsigned char* buffer, int max)
{
    const std::size_t count = std::min(m_input.size(), static_cast<std::size_t>(std::max(max, 0)));
    std::copy_n(m_input.begin(), count, buffer);
    m_input.erase(0, count);
    return static_cast<int>(count);
}

int FakePort::Write(const unsigned char* bytes, int len)
{
    if (m_refuse) {
        ++m_refused;
        return 0;
    }
    m_lines.emplace_back(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(len));
    return len;
}

const std::string& FakePort::LastLine() const
{
    if (m_lines.empty())
        throw std::logic_error("nothing was written");
    return m_lines.back();
}

std::vector<std::string> FakePort::TakeNewLines()
{
    std::vector<std::string> lines(m_lines.begin() + static_cast<std::ptrdiff_t>(m_taken), m_lines.end());
    m_taken = m_lines.size();
    return lines;
}

void VirtualTimerHost::SetTimer(int id, int periodMs)
{
    m_timers[id] = Timer{m_now + periodMs, periodMs, m_started++};
}

void VirtualTimerHost::KillTimer(int id)
{
    m_timers.erase(id);
}

void VirtualTimerHost::Delay(int ms)
{
    m_delays.push_back(ms);
    m_now += ms;
}

void VirtualTimerHost::Post(std::function<void()> fn)
{
    std::lock_guard lock(m_postMutex);
    m_posted.push_back(std::move(fn));
}

void VirtualTimerHost::Advance(std::int64_t ms)
{
    const std::int64_t until = m_now + ms;
    while (FireNext(until)) {
    }
    m_now = std::max(m_now, until);
}

// Fires the earliest timer due by until; false when none is. The callback
// may set, kill or delay, so nothing is held across it.
bool VirtualTimerHost::FireNext(std::int64_t until)
{
    auto next = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        const Timer& t = it->second;
        if (t.due <= until && (next == m_timers.end() || t.due < next->second.due ||
                               (t.due == next->second.due && t.order < next->second.order)))
            next = it;
    }
    if (next == m_timers.end())
        return false;
    const int id = next->first;
    m_now = std::max(m_now, next->second.due);
    next->second.due += std::max(next->second.period, 1);
    if (onTimer)
        onTimer(id);
    return true;
}

int VirtualTimerHost::RunPosted()
{
    int count = 0;
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard lock(m_postMutex);
            if (m_posted.empty())
                return count;
            fn = std::move(m_posted.front());
            m_posted.pop_front();
        }
        fn();
        ++count;
    }
}
