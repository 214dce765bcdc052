// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the simulated boot loader on a pseudo-terminal: every opening of the
// slave by the PC is one session, started a little later as if the user
// pressed the keys on the telephone only then.
#include "CBootLoader.h"
#include "CSessionLoop.h"
#include "ISessionOwner.h"

#include <string>

class CPtyMaster;

class CBootSimServer : private ISessionOwner {
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
    int Run() { return m_loop.Run(); }

private:
    bool WantsToVanish() const override;
    bool Replied() override;
    bool Polled() override;
    void Served() override;
    void Vanishing() override;
    bool Done() const override;
    void SaveImage() const;

    CBootLoader& m_loader;
    Settings m_settings;
    CSessionLoop m_loop;
    int m_sessions = 0;
    bool m_saved = false; // this session's image, as soon as the load was over
};
