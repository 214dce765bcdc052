// SPDX-License-Identifier: GPL-3.0-or-later
#include "Trace.h"

#include "TraceFile.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <utility>

namespace {

const char kMarkerName[] = "##Trace.###";

struct UtcTime {
    std::tm tm{};
    int millis = 0;
};

struct TraceState {
    bool tried = false;
    bool enabled = false;
    UtcTime started;                // names every file of the run
    std::string channel;            // the file entries go to now; empty: the process's own
    std::map<std::string, int> fds; // by channel; -1 when the file could not be created
    char stampBuffer[64] = {}; // "[HH:MM:SS.mmm] ", room for any int the compiler cannot rule out
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

UtcTime UtcNow()
{
    const auto now = Now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    UtcTime t;
    t.tm = UtcCalendar(secs);
    const auto sinceSec = now - std::chrono::system_clock::from_time_t(secs);
    t.millis = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSec).count());
    return t;
}

void DecideOnMarker(TraceState& s)
{
    if (!TraceMarkerPresent(kMarkerName))
        return;
    s.enabled = true;
    s.started = UtcNow();
}

// Created at the channel's first write. A file that cannot be created leaves
// tracing enabled; every write to it then fails quietly.
int FileOfChannel(TraceState& s)
{
    const auto found = s.fds.find(s.channel);
    if (found != s.fds.end())
        return found->second;
    const std::tm& tm = s.started.tm;
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "S%02d%02d%02d-%02d%02d%02d", tm.tm_year % 100, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    const std::string name = std::string(stamp) + (s.channel.empty() ? "" : "-" + s.channel) + ".Lg";
    const int fd = TraceFileCreate(name);
    s.fds.emplace(s.channel, fd);
    return fd;
}

} // namespace

int TraceWrite(std::string_view text)
{
    auto& s = State();
    if (!s.tried) {
        s.tried = true;
        DecideOnMarker(s);
    }
    if (!s.enabled)
        return 0;
    const int fd = FileOfChannel(s);
    if (fd < 0)
        return 0;
    return TraceFileWrite(fd, text);
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

TraceChannel::TraceChannel(std::string name) : m_previous(std::exchange(State().channel, std::move(name))) {}

TraceChannel::~TraceChannel()
{
    State().channel = std::move(m_previous);
}

std::string TraceNameOfDevice(std::string_view devicePath)
{
    std::string_view path = devicePath;
    if (path.starts_with("/dev/"))
        path.remove_prefix(5);
    while (path.starts_with('/'))
        path.remove_prefix(1);
    std::string name;
    for (const char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                           c == '-' || c == '+';
        name += plain ? c : '_';
    }
    return name;
}

void TraceResetForTesting(TraceClock clock)
{
    auto& s = State();
    for (const auto& [channel, fd] : s.fds)
        if (fd >= 0)
            TraceFileClose(fd);
    s.fds.clear();
    s.channel.clear();
    s.tried = false;
    s.enabled = false;
    s.framing = TraceFraming::LeadingBreak;
    s.clock = std::move(clock);
}

void TraceSetTapForTesting(std::function<void(std::string_view)> tap)
{
    State().tap = std::move(tap);
}
