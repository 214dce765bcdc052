// SPDX-License-Identifier: GPL-3.0-or-later
// bootsim: a telephone's boot loader on a pseudo-terminal, for trying
// fwload and for the end-to-end tests. The first line on stdout is the
// device to open.
#include "CBootLoader.h"
#include "CBootSimServer.h"
#include "CPtyMaster.h"
#include "OptionWalk.h"
#include "StopSignals.h"

#include <charconv>
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: bootsim [options]\n"
    "Plays a telephone's boot loader on a pseudo-terminal; the first line printed is its device.\n"
    "  --hardware TYPE      hardware type, up to 6 characters (default QL410)\n"
    "  --revision RR        hardware revision, 2 characters or empty (default 03)\n"
    "  --version X.YY       software version, up to 4 characters (default 1.25)\n"
    "  --load-request       greet with a load request and wait for the PC's decision (default)\n"
    "  --report             greet with a hardware report, then GO\n"
    "  --go-only            greet with GO alone\n"
    "  --throttle           take as long as a 9600 baud 8N2 line in both directions\n"
    "  --line-delay-us N    spend N microseconds on every line before answering\n"
    "  --go-delay-ms N      pause between the hardware report and GO (default 100)\n"
    "  --start-delay MS     greet this long after the port is opened (default 200)\n"
    "  --sessions N         exit after N sessions (default: never)\n"
    "  --save-image FILE    write the received lines when a session ends\n"
    "  --log                one line per line, answer and fault on stderr\n"
    "  --timing FILE        when a session ends, write how late the simulator was and\n"
    "                       how long the PC took to react to its answers\n"
    "Faults (lines count as positions in the image, from 1):\n"
    "  --nak-every N        refuse every Nth line once\n"
    "  --nak-line N         refuse line N (--nak-times K times, default 1)\n"
    "  --nak-times K\n"
    "  --drop-ack-once N    lose the ACK of line N once\n"
    "  --silent-after N     answer nothing after N lines\n"
    "  --vanish-after N     close the device and exit after N lines\n"
    "  --end-as-message     end with \"END\" CR instead of ACK \"END\" CR\n";

struct Options {
    CBootLoader::Options loader;
    CBootSimServer::Settings server;
    bool help = false;
};

template <typename Number>
bool ParseCount(std::string_view text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 0;
}

template <typename Duration>
bool ParseDuration(std::string_view text, CBootLoader::Time& value)
{
    long long count = 0;
    if (!ParseCount(text, count))
        return false;
    value = Duration(count);
    return true;
}

bool TakeFlag(std::string_view name, Options& o)
{
    using Greeting = CBootLoader::Greeting;
    if (name == "--load-request" || name == "--report" || name == "--go-only") {
        o.loader.greeting = name == "--report" ? Greeting::Report
                            : name == "--go-only" ? Greeting::Go
                                                  : Greeting::LoadRequest;
        return true;
    }
    if (name == "--throttle") {
        o.loader.charTime = CBootLoader::kRealCharTime;
        return true;
    }
    bool* const flag = name == "--help" || name == "-h" ? &o.help
                       : name == "--end-as-message"     ? &o.loader.endAsMessage
                       : name == "--log"                ? &o.server.log
                                                        : nullptr;
    if (flag)
        *flag = true;
    return flag != nullptr;
}

bool TakeText(std::string_view name, std::string_view value, Options& o)
{
    std::string* const text = name == "--hardware"     ? &o.loader.hardware
                              : name == "--revision"   ? &o.loader.revision
                              : name == "--version"    ? &o.loader.version
                              : name == "--save-image" ? &o.server.savePath
                              : name == "--timing"     ? &o.server.timingPath
                                                       : nullptr;
    if (text)
        text->assign(value);
    return text != nullptr;
}

int* CountOption(std::string_view name, Options& o)
{
    CBootLoader::Faults& f = o.loader.faults;
    return name == "--start-delay"      ? &o.server.startDelayMs
           : name == "--sessions"       ? &o.server.sessions
           : name == "--nak-every"      ? &f.nakEvery
           : name == "--nak-line"       ? &f.nakLine
           : name == "--nak-times"      ? &f.nakTimes
           : name == "--drop-ack-once"  ? &f.dropAckLine
           : name == "--silent-after"   ? &f.silentAfter
           : name == "--vanish-after"   ? &f.vanishAfter
                                        : nullptr;
}

bool IsValueOption(std::string_view name)
{
    for (std::string_view known : {"--hardware", "--revision", "--version", "--save-image", "--timing", "--line-delay-us",
                                   "--go-delay-ms", "--start-delay", "--sessions", "--nak-every", "--nak-line",
                                   "--nak-times", "--drop-ack-once", "--silent-after", "--vanish-after"})
        if (name == known)
            return true;
    return false;
}

// False with a message for a bad value.
bool TakeValue(std::string_view name, std::string_view value, Options& o, std::string& error)
{
    bool ok = true;
    if (int* const count = CountOption(name, o))
        ok = ParseCount(value, *count);
    else if (name == "--line-delay-us")
        ok = ParseDuration<std::chrono::microseconds>(value, o.loader.lineDelay);
    else if (name == "--go-delay-ms")
        ok = ParseDuration<std::chrono::milliseconds>(value, o.loader.goDelay);
    else
        TakeText(name, value, o);
    if (!ok)
        error = "bad value for " + std::string(name) + ": " + std::string(value);
    return ok;
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& error)
{
    const OptionHandlers handlers{
        [&o](std::string_view name) { return TakeFlag(name, o); },
        IsValueOption,
        [&o](std::string_view name, std::string_view value, std::string& e) { return TakeValue(name, value, o, e); },
    };
    if (!WalkOptions(argc, argv, handlers, error))
        return false;
    error = CBootLoader::Check(o.loader);
    return error.empty();
}

int Fail(const std::string& message, int status)
{
    std::cerr << "bootsim: " << message << std::endl;
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    std::string error;
    if (!ParseOptions(argc, argv, o, error))
        return Fail(error + " (see --help)", 2);
    if (o.help) {
        std::cout << kUsage;
        return 0;
    }
    CBootLoader loader(o.loader);
    CPtyMaster pty;
    if (!pty.Open(error))
        return Fail(error, 1);
    const int stopFd = InstallStopSignals();
    if (stopFd < 0)
        return Fail("cannot install signal handlers", 1);
    std::cout << pty.SlavePath() << std::endl;
    return CBootSimServer(pty, loader, o.server, stopFd).Run();
}
