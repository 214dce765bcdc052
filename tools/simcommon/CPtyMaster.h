// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The master side of a pseudo-terminal whose slave plays the telephone's
// serial port. Whether the PC holds the slave open is read from POLLHUP on
// the master, which Linux reports while no process has the slave open.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class CPtyMaster {
public:
    // What one wait saw; several may hold at once.
    struct Events {
        bool stop = false;   // the stop descriptor became readable
        bool input = false;  // the PC sent bytes
        bool hangup = false; // the PC closed the slave
    };

    CPtyMaster() = default;
    ~CPtyMaster();
    CPtyMaster(const CPtyMaster&) = delete;
    CPtyMaster& operator=(const CPtyMaster&) = delete;

    // Creates the pair with the slave in raw mode and not held open.
    bool Open(std::string& error);
    void Close();
    const std::string& SlavePath() const { return m_slavePath; }

    // True while some process holds the slave open.
    bool SlaveOpen() const;
    // Waits up to timeoutMs (-1: no limit) for input, hangup or stopFd.
    Events Wait(int stopFd, int timeoutMs) const;
    // The same up to a point in time, to the microsecond (none: no limit); a
    // throttled peer keeps its line timing with it.
    Events WaitUntil(int stopFd, std::optional<std::chrono::steady_clock::time_point> deadline) const;
    // What the PC sent; false when the line is gone.
    bool Read(std::string& bytes) const;
    // Writes everything, waiting a little when the PC does not read.
    bool Write(std::string_view bytes) const;
    // Drops what the PC has not read yet, so a new opening starts clean.
    void DropUnread() const;

private:
    bool SetRawMode(std::string& error) const;

    int m_fd = -1;
    std::string m_slavePath;
};
