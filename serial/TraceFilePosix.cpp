// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraceFile.h"

#include <fcntl.h>
#include <unistd.h>

bool TraceMarkerPresent(const char* name)
{
    const int marker = ::open(name, O_RDONLY | O_CLOEXEC);
    if (marker < 0)
        return false;
    ::close(marker);
    return true;
}

int TraceFileCreate(const std::string& name)
{
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

int TraceFileWrite(int file, std::string_view bytes)
{
    return static_cast<int>(::write(file, bytes.data(), bytes.size()));
}

void TraceFileClose(int file)
{
    ::close(file);
}

std::tm UtcCalendar(std::time_t secs)
{
    std::tm tm{};
    gmtime_r(&secs, &tm);
    return tm;
}
