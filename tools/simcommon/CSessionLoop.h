// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serves a simulated device on a pseudo-terminal: every opening of the
// slave by the PC is one session, the device started a little later, as if
// the user pressed the keys on the telephone only then, and answered at the
// pace of its line until the PC lets go, a stop signal comes or the device
// vanishes. What only the simulator does, it does as the ISessionOwner.
#include "CLineTiming.h"
#include "IPacedDevice.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class CPtyMaster;
class ISessionOwner;

class CSessionLoop {
public:
    struct Settings {
        std::string program;    // the simulator's name before every line it prints
        int startDelayMs = 0;   // from the PC opening the port to the device's first bytes
        bool log = false;       // Note prints on stderr
        std::string timingPath; // the line's punctuality, written when a session ends
    };

    // stopFd becomes readable when the program is to end.
    CSessionLoop(CPtyMaster& pty, IPacedDevice& device, ISessionOwner& owner, Settings settings, int stopFd);

    // Serves until stopped, vanished or done; returns the exit status.
    int Run();
    // One line of the log, with bytes that do not print as hex.
    void Note(std::string_view line) const;

private:
    using Clock = std::chrono::steady_clock;

    bool WaitForPc();
    void RunSession();
    std::optional<Clock::time_point> WakeAt(bool started, Clock::time_point startAt) const;
    bool HandleInput();
    void Send(std::string_view bytes);
    void WriteTiming() const;
    int Vanish();
    IPacedDevice::Time Now() const;
    bool StopWithin(int timeoutMs) const;

    CPtyMaster& m_pty;
    IPacedDevice& m_device;
    ISessionOwner& m_owner;
    Settings m_settings;
    int m_stopFd;
    Clock::time_point m_origin = Clock::now(); // of the line's virtual time
    CLineTiming m_timing;
    bool m_stopped = false;
};
