// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the simulated telephone on a pseudo-terminal: every opening of the
// slave by the PC is one session, answered by the protocol engine.
#include <chrono>
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
    };

    // stopFd becomes readable when the program is to end.
    CSimPhoneServer(CPtyMaster& pty, CSimPhone& phone, Settings settings, int stopFd);

    // Serves until stopped, vanished or done; returns the exit status.
    int Run();

private:
    using Clock = std::chrono::steady_clock;

    bool WaitForPc();
    void RunSession();
    bool HandleInput();
    void Send(std::string_view bytes);
    void NoteCompleted();
    int Vanish();
    bool StopWithin(int timeoutMs) const;
    void Note(std::string_view line) const;

    CPtyMaster& m_pty;
    CSimPhone& m_phone;
    Settings m_settings;
    int m_stopFd;
    bool m_stopped = false;
    int m_completed = 0;
};
