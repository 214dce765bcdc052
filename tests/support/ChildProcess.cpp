// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> CStrings(std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (auto& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

int Spawn(std::vector<std::string> argv, const std::vector<std::string>& environment, int outFd, int errFd)
{
    std::vector<char*> args = CStrings(argv);
    const int pid = ::fork();
    if (pid == 0) {
        for (const auto& e : environment)
            ::putenv(const_cast<char*>(e.c_str()));
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

int RemainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Reads both pipes until they close or the deadline passes.
bool Drain(int outFd, int errFd, ProcessResult& r, Clock::time_point deadline)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&r.out, &r.err};
    int open = 2;
    while (open > 0) {
        const int ms = RemainingMs(deadline);
        if (ms == 0 || ::poll(fds, 2, ms) <= 0)
            return false;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents)
                continue;
            char buf[4096];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

int WaitChild(int pid, Clock::time_point deadline)
{
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (RemainingMs(deadline) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        ::usleep(5000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string BinDir()
{
    return MV_BINARY_DIR;
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, int timeoutMs,
                         const std::vector<std::string>& environment, int interruptAfterMs)
{
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const int pid = Spawn(argv, environment, out[1], err[1]);
    ::close(out[1]);
    ::close(err[1]);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    ProcessResult r;
    if (interruptAfterMs >= 0) {
        Drain(out[0], err[0], r, Clock::now() + std::chrono::milliseconds(interruptAfterMs));
        ::kill(pid, SIGINT);
    }
    Drain(out[0], err[0], r, deadline);
    ::close(out[0]);
    ::close(err[0]);
    r.status = WaitChild(pid, deadline);
    return r;
}

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
    : m_pid(Spawn(argv, environment, STDOUT_FILENO, STDERR_FILENO))
{
}

BackgroundProcess::~BackgroundProcess()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    WaitChild(m_pid, Clock::now() + std::chrono::seconds(10));
}

bool BackgroundProcess::Running()
{
    if (m_pid > 0 && ::waitpid(m_pid, nullptr, WNOHANG) != 0)
        m_pid = -1;
    return m_pid > 0;
}

PtyPeer::PtyPeer(const std::string& program, const std::vector<std::string>& options)
{
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), options.begin(), options.end());
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    m_pid = Spawn(argv, {}, out[1], STDERR_FILENO);
    ::close(out[1]);
    // The first line it prints is the device of its pseudo-terminal.
    char c = 0;
    pollfd fd{out[0], POLLIN, 0};
    while (::poll(&fd, 1, 5000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
        m_device += c;
    m_outFd = out[0]; // kept open: whatever it prints later must not kill it
    if (m_device.empty())
        throw std::runtime_error(program + " did not start");
}

PtyPeer::~PtyPeer()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        Wait(5000);
    }
    if (m_outFd >= 0)
        ::close(m_outFd);
}

int PtyPeer::Wait(int timeoutMs)
{
    if (m_pid <= 0)
        return -1;
    const int status = WaitChild(m_pid, Clock::now() + std::chrono::milliseconds(timeoutMs));
    m_pid = -1;
    return status;
}

SimulatedTelephone::SimulatedTelephone(const std::vector<std::string>& options) : PtyPeer(SimphonePath(), options)
{
}

SimulatedBootLoader::SimulatedBootLoader(const std::vector<std::string>& options) : PtyPeer(BootsimPath(), options)
{
}

std::string MvconfPath()
{
    return BinDir() + "/confapp/mvconf";
}

std::string SimphonePath()
{
    return BinDir() + "/tools/simphone/simphone";
}

std::string FwloadPath()
{
    return BinDir() + "/fwload/fwload";
}

std::string BootsimPath()
{
    return BinDir() + "/tools/bootsim/bootsim";
}

std::string ScreenshotsPath()
{
    return BinDir() + "/tools/screenshots/screenshots";
}

std::string SourceFile(const std::string& relative)
{
    return std::string(MV_SOURCE_DIR) + "/" + relative;
}
