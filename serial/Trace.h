// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Service trace. Off unless the marker file "##Trace.###" is in the working
// directory at the first trace call; the decision holds for the whole process.
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

int TraceWrite(const char* text);
int TraceWrite(std::string_view text);
int TraceTimeStamp();

// mvconf starts every entry with a line break; fwload ends every entry with one.
enum class TraceFraming { LeadingBreak, TrailingBreak };
void TraceSetFraming(TraceFraming framing);

// One framed entry: time stamp, class text, ": ", then the message, which by
// convention begins with the method name and "()".
void TraceLine(std::string_view className, std::string_view message);

// Several ports served by one process each trace into a file of their own:
// while a TraceChannel lives, entries go to "S<date>-<time>-<name>.Lg", with
// the date and time of the process's first trace call. The empty name is the
// process's own file. Channels nest; the innermost one counts.
class TraceChannel {
public:
    explicit TraceChannel(std::string name);
    ~TraceChannel();
    TraceChannel(const TraceChannel&) = delete;
    TraceChannel& operator=(const TraceChannel&) = delete;

private:
    std::string m_previous;
};

// The channel name of a device: its path below /dev/ with every character
// that does not belong in a file name made "_" ("/dev/pts/3" is "pts_3").
std::string TraceNameOfDevice(std::string_view devicePath);

// Test seams: a fixed clock, a fresh undecided state, and a tap that sees every
// framed entry as "Class: message" whether or not a trace file is open.
using TraceClock = std::function<std::chrono::system_clock::time_point()>;
void TraceResetForTesting(TraceClock clock = {});
void TraceSetTapForTesting(std::function<void(std::string_view)> tap);
