// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner of a port in a test: it records the notices of the watcher
// thread, and the test waits for them with a time limit.
#include "SioNotify.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

class NoticeSink : public ISioNotify {
public:
    void PostCommNotify(int notice) override
    {
        std::lock_guard lock(m_mutex);
        m_notices.push_back(notice);
        m_changed.notify_all();
    }
    int Count(int notice)
    {
        std::lock_guard lock(m_mutex);
        return static_cast<int>(std::count(m_notices.begin(), m_notices.end(), notice));
    }
    // True once at least `count` notices of the kind have arrived.
    bool WaitFor(int notice, int count = 1, std::chrono::milliseconds limit = std::chrono::milliseconds(2000))
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, limit, [&] {
            return std::count(m_notices.begin(), m_notices.end(), notice) >= count;
        });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int> m_notices;
};
