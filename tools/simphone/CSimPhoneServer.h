// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the simulated telephone on a pseudo-terminal: every opening of the
// slave by the PC is one session, answered by the protocol engine behind a
// line that is paced like a real one on request.
#include "CLineTiming.h"
#include "CPacedPhone.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class CPtyMaster;
class CSimPhone;

class CSimPhoneServer {
public:
    struct Settings {
        int readyDelayMs = 300; // from the PC opening the port to the ready frame
        int sessions = 0;       // exit after this many completed sessions; 0: never
        std::string savePath;   // saved after every completed write when set
        bool log = false;       // one line per frame on stderr
        CPacedPhone::Time charTime{0}; // CPacedPhone::kRealCharTime for the real line's pace
        std::string timingPath; // the line's punctuality, written when a session ends
    };

    // stopFd becomes readable when the program is to end.
    CSimPhoneServer(CPtyMaster& pty, CSimPhone& phone, Settings settings, int stopFd);

    // Serves until stopped, vanished or done; returns the exit status.
    int Run();

private:
    using Clock = std::chrono::steady_clock;

    bool WaitForPc();
    void RunSession();
    std::optional<Clock::time_point> WakeAt(bool started, Clock::time_point readyAt) const;
    bool HandleInput();
    void Send(std::string_view bytes);
    void NoteCompleted();
    void WriteTiming() const;
    int Vanish();
    CPacedPhone::Time Now() const;
    bool StopWithin(int timeoutMs) const;
    void Note(std::string_view line) const;

    CPtyMaster& m_pty;
    CSimPhone& m_phone;
    Settings m_settings;
    CPacedPhone m_paced;
    int m_stopFd;
    Clock::time_point m_origin = Clock::now(); // of the line's virtual time
    CLineTiming m_timing;
    bool m_stopped = false;
    int m_completed = 0;
};
