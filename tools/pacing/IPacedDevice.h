// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated device at the far end of a paced line, as the loop that
// serves its pseudo-terminal drives it. Times are virtual: the owner says
// what "now" is.
#include "CWireQueue.h"

#include <optional>
#include <string>
#include <string_view>

class IPacedDevice {
public:
    using Time = CWireQueue::Time;

    virtual ~IPacedDevice() = default;

    // The PC opened the line and the user is ready: the device's first bytes set off.
    virtual void StartSession(Time now) = 0;
    // The PC closed the line: what was on the way is lost.
    virtual void EndSession() = 0;
    // Bytes the PC wrote at now; returns what has reached the PC by now.
    virtual std::string Receive(std::string_view bytes, Time now) = 0;
    // What has reached the PC by now.
    virtual std::string Poll(Time now) = 0;
    // When Poll has something to do next; nothing while the line is quiet.
    virtual std::optional<Time> NextEvent() const = 0;
    // Answers are still on their way to the PC.
    virtual bool SendingToPc() const = 0;
};
