// SPDX-License-Identifier: GPL-3.0-or-later
#include "StopSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

int InstallStopSignals()
{
    if (::pipe(g_stopPipe) != 0)
        return -1;
    for (int fd : g_stopPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_stopPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    if (::sigaction(SIGTERM, &action, nullptr) != 0 || ::sigaction(SIGINT, &action, nullptr) != 0)
        return -1;
    return g_stopPipe[0];
}
