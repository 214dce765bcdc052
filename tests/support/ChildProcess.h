// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programs of the project started by tests: the simulated telephone and boot
// loader, mvconf and fwload.
#include <string>
#include <vector>

struct ProcessResult {
    int status = -1; // exit status, or -1 when it had to be killed
    std::string out;
    std::string err;
};

// Runs a program to its end, at most timeoutMs, with extra environment
// entries ("NAME=value"); interrupts it (SIGINT) after interruptAfterMs when given.
ProcessResult RunProcess(const std::vector<std::string>& argv, int timeoutMs,
                         const std::vector<std::string>& environment = {}, int interruptAfterMs = -1);

// A program running beside the test with extra environment entries
// ("NAME=value"), ended (SIGTERM) with the object.
class BackgroundProcess {
public:
    BackgroundProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment);
    ~BackgroundProcess();
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;
    // False once it has ended (it is then reaped).
    bool Running();

private:
    int m_pid = -1;
};

// A simulated peer on a pseudo-terminal (it prints the device first), ended with the object.
class PtyPeer {
public:
    PtyPeer(const std::string& program, const std::vector<std::string>& options);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& Device() const { return m_device; }
    // Waits for its end (at most timeoutMs); its exit status or -1.
    int Wait(int timeoutMs);

private:
    int m_pid = -1;
    int m_outFd = -1;
    std::string m_device;
};

class SimulatedTelephone : public PtyPeer {
public:
    explicit SimulatedTelephone(const std::vector<std::string>& options);
};

class SimulatedBootLoader : public PtyPeer {
public:
    explicit SimulatedBootLoader(const std::vector<std::string>& options);
};

// Paths of the built programs.
std::string MvconfPath();
std::string SimphonePath();
std::string FwloadPath();
std::string BootsimPath();
std::string ScreenshotsPath();
// A file of the source tree (the sample firmware under tools/sample, say).
std::string SourceFile(const std::string& relative);
