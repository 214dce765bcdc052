// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated telephone at the far end of a serial line: the PC's bytes
// reach it one character time after the other, it answers each as it
// arrives, and its answers take as long on the way back. With a character
// time of zero it answers at once, as CSimPhone alone does. Times are
// virtual: the owner says what "now" is.
#include "CPacedLine.h"
#include "IPacedDevice.h"

#include <optional>
#include <string>
#include <string_view>

class CSimPhone;

class CPacedPhone : public IPacedDevice {
public:
    using Time = CPacedLine::Time;

    // 9600 baud, one start bit, eight data bits, one stop bit.
    static constexpr Time kRealCharTime = CWireQueue::CharTime(9600, 10);

    CPacedPhone(CSimPhone& phone, Time charTime) : m_phone(phone), m_line(charTime) {}

    // The PC opened the line: the ready frame sets off.
    void StartSession(Time now) override;
    // The PC closed the line: what was on the way is lost.
    void EndSession() override;
    // Bytes the PC wrote at now; returns what has reached the PC by now.
    std::string Receive(std::string_view bytes, Time now) override;
    // What has reached the PC by now.
    std::string Poll(Time now) override;
    // When Poll has something to do next; nothing while the line is quiet.
    std::optional<Time> NextEvent() const override { return m_line.NextEvent(); }
    // Answers are still on their way to the PC.
    bool SendingToPc() const override { return m_line.SendingToPc(); }

private:
    CSimPhone& m_phone;
    CPacedLine m_line;
};
