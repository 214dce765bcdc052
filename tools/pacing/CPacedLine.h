// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Both directions of the serial line between the PC and a simulated device.
// What the PC hands over reaches the device one character time per byte
// after the other, and so do the device's answers on their way back; with a
// character time of zero everything arrives at once. Times are virtual, as
// in CWireQueue: the owner says what "now" is.
#include "CWireQueue.h"

#include <optional>
#include <string>
#include <string_view>

class CPacedLine {
public:
    using Time = CWireQueue::Time;

    explicit CPacedLine(Time charTime = Time(0)) : m_fromPc(charTime), m_toPc(charTime) {}

    void FromPc(std::string_view bytes, Time handedOver) { m_fromPc.Push(bytes, handedOver); }
    // The oldest byte from the PC if it has reached the device by now.
    std::optional<CWireQueue::Arrival> PopAtDevice(Time now) { return m_fromPc.PopArrived(now); }

    void ToPc(std::string_view bytes, Time handedOver) { m_toPc.Push(bytes, handedOver); }
    // Every byte of the device that has reached the PC by now.
    std::string TakeAtPc(Time now) { return m_toPc.TakeArrived(now); }
    // When the last byte handed over for the PC so far arrives.
    Time ToPcIdleAt() const { return m_toPc.IdleAt(); }
    bool SendingToPc() const { return m_toPc.NextArrival().has_value(); }

    // The next arrival in either direction; nothing while the line is quiet.
    std::optional<Time> NextEvent() const;
    // The line broke: what was on the way is lost.
    void Clear();

private:
    CWireQueue m_fromPc;
    CWireQueue m_toPc;
};
