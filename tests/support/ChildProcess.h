#pragma once
// Programs of the project started by tests: the simulated telephone and mvconf.
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

// The simulated telephone on a pseudo-terminal, ended with the object.
class SimulatedTelephone {
public:
    explicit SimulatedTelephone(const std::vector<std::string>& options);
    ~SimulatedTelephone();
    SimulatedTelephone(const SimulatedTelephone&) = delete;
    SimulatedTelephone& operator=(const SimulatedTelephone&) = delete;

    const std::string& Device() const { return m_device; }
    // Waits for its end (at most timeoutMs); its exit status or -1.
    int Wait(int timeoutMs);

private:
    int m_pid = -1;
    int m_outFd = -1;
    std::string m_device;
};

// Paths of the built programs.
std::string MvconfPath();
std::string SimphonePath();
