// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timers of the window that runs a transfer. The owner calls the link's
// OnTimer(id) on its own thread every period until the timer is killed.
class ITimerHost {
public:
    virtual ~ITimerHost() = default;
    // Starts a repeating timer, replacing a running one of the same id.
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;
    // Holds the protocol for ms milliseconds (the pauses before the handshake
    // answer and the end record); a virtual clock only advances.
    virtual void Delay(int ms) = 0;
    // True when the thread serves other telephones too and must not be held:
    // the link then waits out its pauses with a timer, leaving what its own
    // telephone sends meanwhile in the port, as the held thread would.
    virtual bool PausesWithTimer() const { return false; }
};
