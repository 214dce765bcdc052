// SPDX-License-Identifier: GPL-3.0-or-later
#include "TraceFile.h"

#include "PathText.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

bool TraceMarkerPresent(const char* name)
{
    const int marker = ::_wopen(WideText(name).c_str(), _O_RDONLY | _O_BINARY);
    if (marker < 0)
        return false;
    ::_close(marker);
    return true;
}

// Binary: in text mode the C library would turn every CR LF into CR CR LF.
int TraceFileCreate(const std::string& name)
{
    return ::_wopen(WideText(name).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

int TraceFileWrite(int file, std::string_view bytes)
{
    return ::_write(file, bytes.data(), static_cast<unsigned>(bytes.size()));
}

void TraceFileClose(int file)
{
    ::_close(file);
}

std::tm UtcCalendar(std::time_t secs)
{
    std::tm tm{};
    ::gmtime_s(&tm, &secs);
    return tm;
}
