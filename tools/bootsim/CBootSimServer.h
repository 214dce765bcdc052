// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the simulated boot loader on a pseudo-terminal: every opening of the
// slave by the PC is one session, started a little later as if the user
// pressed the keys on the telephone only then.
#include "CBootLoader.h"
#include "CLineTiming.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class CPtyMaster;

class CBootSimServer {
public:
    struct Settings {
        int startDelayMs = 200; // from the PC opening the port to the greeting
        int sessions = 0;       // exit after this many sessions; 0: never
        std::string savePath;   // the received lines, written when a session ends
        bool log = false;       // one line per line, answer and fault on stderr
        std::string timingPath; // the line's punctuality, written when a session ends
    };

    // stopFd becomes readable when the program is to end.
    CBootSimServer(CPtyMaster& pty, CBootLoader& loader, Settings settings, int stopFd);

    // Serves until stopped, vanished or done; returns the exit status.
    int Run();

private:
    using Clock = std::chrono::steady_clock;

    bool WaitForPc();
    void RunSession();
    std::optional<Clock::time_point> WakeAt(bool started, Clock::time_point startAt) const;
    bool HandleInput();
    void Send(std::string_view bytes);
    void WriteTiming() const;
    void SaveImage() const;
    int Vanish();
    CBootLoader::Time Now() const;
    bool StopWithin(int timeoutMs) const;
    void Note(std::string_view line) const;

    CPtyMaster& m_pty;
    CBootLoader& m_loader;
    Settings m_settings;
    int m_stopFd;
    Clock::time_point m_origin = Clock::now(); // of the loader's virtual time
    bool m_stopped = false;
    int m_sessions = 0;
    CLineTiming m_timing;
};
