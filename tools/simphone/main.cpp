// SPDX-License-Identifier: GPL-3.0-or-later
// simphone: a telephone on a pseudo-terminal, for trying mvconf and for the
// end-to-end tests. The first line on stdout is the device to open.
#include "CPtyMaster.h"
#include "OptionWalk.h"
#include "StopSignals.h"
#include "CSimPhone.h"
#include "CSimPhoneServer.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: simphone [options]\n"
    "Plays the telephone on a pseudo-terminal; the first line printed is its device.\n"
    "  --load FILE.mv8         configuration and phone book to start with\n"
    "  --save FILE.mv8         save them after every completed write\n"
    "  --path-file FILE        write the device path into FILE as well\n"
    "  --firmware Vx.yy        firmware version to report (default V3.20)\n"
    "  --phone-type Q410|QL410 (default QL410)\n"
    "  --ready-delay MS        ready frame this long after the port is opened (default 300)\n"
    "  --sessions N            exit after N completed sessions (default: never)\n"
    "  --throttle              take as long as a 9600 baud 8N1 line in both directions\n"
    "  --log                   one line per frame on stderr\n"
    "  --timing FILE           when a session ends, write how late the simulator was and\n"
    "                          how long the PC took to react to its answers\n"
    "Faults:\n"
    "  --nak-once              refuse the first record frame of a write once\n"
    "  --silent                never send anything\n"
    "  --bad-checksum-once     spoil the checksum of the first frame of a read once\n"
    "  --vanish-after N        disappear after N record frames\n";

struct Options {
    std::string loadPath;
    std::string pathFile;
    std::string firmware = "V3.20";
    int phoneType = 1;
    CSimPhone::Faults faults;
    CSimPhoneServer::Settings server;
    bool help = false;
};

bool ParseCount(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 0;
}

bool ParseFirmware(std::string_view text, std::string& firmware)
{
    // The PC finds the version as the word that begins with V after a space.
    const bool ok = text.size() >= 2 && (text[0] == 'V' || text[0] == 'v') && text[1] >= '0' && text[1] <= '9'
                    && text.find(' ') == std::string_view::npos;
    if (ok)
        firmware.assign(text);
    return ok;
}

bool ParsePhoneType(std::string_view text, int& phoneType)
{
    if (text != "Q410" && text != "QL410")
        return false;
    phoneType = text == "QL410" ? 1 : 0;
    return true;
}

bool TakeFlag(std::string_view name, Options& o)
{
    bool* const flag = name == "--help" || name == "-h" ? &o.help
                       : name == "--nak-once"           ? &o.faults.nakOnce
                       : name == "--silent"             ? &o.faults.silent
                       : name == "--bad-checksum-once"  ? &o.faults.badChecksumOnce
                       : name == "--log"                ? &o.server.log
                                                        : nullptr;
    if (name == "--throttle") {
        o.server.charTime = CPacedPhone::kRealCharTime;
        return true;
    }
    if (flag)
        *flag = true;
    return flag != nullptr;
}

// False with a message for a bad value.
bool TakeValue(std::string_view name, std::string_view value, Options& o, std::string& error)
{
    bool ok = true;
    if (name == "--load")
        o.loadPath.assign(value);
    else if (name == "--save")
        o.server.savePath.assign(value);
    else if (name == "--path-file")
        o.pathFile.assign(value);
    else if (name == "--timing")
        o.server.timingPath.assign(value);
    else if (name == "--firmware")
        ok = ParseFirmware(value, o.firmware);
    else if (name == "--phone-type")
        ok = ParsePhoneType(value, o.phoneType);
    else if (name == "--ready-delay")
        ok = ParseCount(value, o.server.readyDelayMs);
    else if (name == "--vanish-after")
        ok = ParseCount(value, o.faults.vanishAfter);
    else if (name == "--sessions")
        ok = ParseCount(value, o.server.sessions);
    if (!ok)
        error = "bad value for " + std::string(name) + ": " + std::string(value);
    return ok;
}

bool IsValueOption(std::string_view name)
{
    for (std::string_view known : {"--load", "--save", "--path-file", "--firmware", "--phone-type", "--ready-delay",
                                   "--vanish-after", "--sessions", "--timing"})
        if (name == known)
            return true;
    return false;
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& error)
{
    const OptionHandlers handlers{
        [&o](std::string_view name) { return TakeFlag(name, o); },
        IsValueOption,
        [&o](std::string_view name, std::string_view value, std::string& e) { return TakeValue(name, value, o, e); },
    };
    return WalkOptions(argc, argv, handlers, error);
}

// Written under another name first, so that a reader never sees half a path.
bool WritePathFile(const std::string& file, const std::string& path)
{
    const std::string temporary = file + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!(out << path << '\n'))
            return false;
    }
    return std::rename(temporary.c_str(), file.c_str()) == 0;
}

int Fail(const std::string& message, int status)
{
    std::cerr << "simphone: " << message << std::endl;
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
    CSimPhone phone(o.firmware, o.phoneType, o.faults);
    if (!o.loadPath.empty() && !phone.Load(o.loadPath, error))
        return Fail("cannot load " + o.loadPath + ": " + error, 1);
    CPtyMaster pty;
    if (!pty.Open(error))
        return Fail(error, 1);
    const int stopFd = InstallStopSignals();
    if (stopFd < 0)
        return Fail("cannot install signal handlers", 1);
    std::cout << pty.SlavePath() << std::endl;
    if (!o.pathFile.empty() && !WritePathFile(o.pathFile, pty.SlavePath()))
        return Fail("cannot write " + o.pathFile, 1);
    return CSimPhoneServer(pty, phone, o.server, stopFd).Run();
}
