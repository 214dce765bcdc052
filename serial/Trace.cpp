// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trace.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

const char kMarkerName[] = "##Trace.###";

struct TraceState {
    bool tried = false;
    bool enabled = false;
    int fd = -1;
    char stampBuffer[16] = {};
    TraceFraming framing = TraceFraming::LeadingBreak;
    TraceClock clock;
    std::function<void(std::string_view)> tap;
};

TraceState& State()
{
    static TraceState state;
    return state;
}

std::chrono::system_clock::time_point Now()
{
    auto& s = State();
    return s.clock ? s.clock() : std::chrono::system_clock::now();
}

struct UtcTime {
    std::tm tm{};
    int millis = 0;
};

UtcTime UtcNow()
{
    const auto now = Now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    UtcTime t;
    gmtime_r(&secs, &t.tm);
    const auto sinceSec = now - std::chrono::system_clock::from_time_t(secs);
    t.millis = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSec).count());
    return t;
}

void OpenTraceFile(TraceState& s)
{
    const int marker = ::open(kMarkerName, O_RDONLY | O_CLOEXEC);
    if (marker < 0)
        return;
    ::close(marker);
    s.enabled = true;
    const UtcTime t = UtcNow();
    char name[40];
    std::snprintf(name, sizeof name, "S%02d%02d%02d-%02d%02d%02d.Lg", t.tm.tm_year % 100, t.tm.tm_mon + 1,
                  t.tm.tm_mday, t.tm.tm_hour, t.tm.tm_min, t.tm.tm_sec);
    // A file that cannot be created leaves tracing enabled; every write then fails quietly.
    s.fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
}

} // namespace

int TraceWrite(std::string_view text)
{
    auto& s = State();
    if (!s.tried) {
        s.tried = true;
        OpenTraceFile(s);
    }
    if (!s.enabled || s.fd < 0)
        return 0;
    return static_cast<int>(::write(s.fd, text.data(), text.size()));
}

int TraceWrite(const char* text)
{
    return TraceWrite(std::string_view(text ? text : ""));
}

int TraceTimeStamp()
{
    auto& s = State();
    const UtcTime t = UtcNow();
    std::snprintf(s.stampBuffer, sizeof s.stampBuffer, "[%02d:%02d:%02d.%03d] ", t.tm.tm_hour, t.tm.tm_min,
                  t.tm.tm_sec, t.millis);
    return TraceWrite(s.stampBuffer);
}

void TraceSetFraming(TraceFraming framing)
{
    State().framing = framing;
}

void TraceLine(std::string_view className, std::string_view message)
{
    auto& s = State();
    if (s.tap) {
        std::string entry(className);
        entry += ": ";
        entry += message;
        s.tap(entry);
    }
    if (s.tried && !s.enabled)
        return;
    const bool leading = s.framing == TraceFraming::LeadingBreak;
    if (leading)
        TraceWrite("\r\n");
    TraceTimeStamp();
    TraceWrite(className);
    TraceWrite(": ");
    TraceWrite(message);
    if (!leading)
        TraceWrite("\r\n");
}

void TraceResetForTesting(TraceClock clock)
{
    auto& s = State();
    if (s.fd >= 0)
        ::close(s.fd);
    s.tried = false;
    s.enabled = false;
    s.fd = -1;
    s.framing = TraceFraming::LeadingBreak;
    s.clock = std::move(clock);
}

void TraceSetTapForTesting(std::function<void(std::string_view)> tap)
{
    State().tap = std::move(tap);
}
