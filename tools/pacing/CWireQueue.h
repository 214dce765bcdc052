// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Characters on their way over a serial line. A character occupies the line
// for one character time and the next cannot start before it has left, so
// each arrives one character time after the later of its hand-over and the
// arrival of the one before. With a character time of zero everything
// arrives the moment it is handed over. Times are virtual: the owner says
// what "now" is, which lets tests step through a transfer without waiting.
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

class CWireQueue {
public:
    using Time = std::chrono::nanoseconds;

    struct Arrival {
        char byte;
        Time at;
    };

    // bitsPerChar counts start, data, parity and stop bits: 11 for 8N2.
    static constexpr Time CharTime(long long baud, long long bitsPerChar)
    {
        return Time(bitsPerChar * 1'000'000'000LL / baud);
    }

    explicit CWireQueue(Time charTime = Time(0)) : m_charTime(charTime) {}

    void Push(std::string_view bytes, Time handedOver);
    // The oldest character if it has arrived by now.
    std::optional<Arrival> PopArrived(Time now);
    // Every character arrived by now, in order.
    std::string TakeArrived(Time now);
    std::optional<Time> NextArrival() const;
    // When the last character handed over so far arrives.
    Time IdleAt() const { return m_idleAt; }
    // The line broke: what was on the way is lost.
    void Clear();

private:
    Time m_charTime;
    Time m_idleAt{0};
    std::deque<Arrival> m_onTheWay;
};
