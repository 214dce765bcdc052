// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the simulated telephone on a pseudo-terminal: every opening of the
// slave by the PC is one session, answered by the protocol engine behind a
// line that is paced like a real one on request.
#include "CPacedPhone.h"
#include "CSessionLoop.h"
#include "ISessionOwner.h"

#include <string>

class CPtyMaster;
class CSimPhone;

class CSimPhoneServer : private ISessionOwner {
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
    int Run() { return m_loop.Run(); }

private:
    bool WantsToVanish() const override;
    bool Replied() override;
    bool Polled() override;
    bool Done() const override;
    void NoteCompleted();

    CSimPhone& m_phone;
    Settings m_settings;
    CPacedPhone m_paced;
    CSessionLoop m_loop;
    int m_completed = 0;
};
