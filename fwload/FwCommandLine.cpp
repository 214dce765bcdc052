// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwCommandLine.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

bool HasAny(std::string_view line, std::string_view a, std::string_view b)
{
    return line.find(a) != std::string_view::npos || line.find(b) != std::string_view::npos;
}

// The text after the switch up to the next blank; npos when the switch is missing.
std::string_view ValueOf(std::string_view line, std::string_view name, bool& found)
{
    const std::size_t at = line.find(name);
    found = at != std::string_view::npos;
    if (!found)
        return {};
    const std::string_view rest = line.substr(at + name.size());
    return rest.substr(0, rest.find(' '));
}

int Number(std::string_view line, std::string_view name)
{
    bool found = false;
    const std::string text(ValueOf(line, name, found));
    return found ? static_cast<int>(std::strtol(text.c_str(), nullptr, 10)) : -1;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int Port(std::string_view line)
{
    bool found = false;
    const std::string_view value = ValueOf(line, "/COM:", found);
    if (value.empty() || !IsDigit(value[0]))
        return 0; // only a digit names a port
    return value[0] == '0' ? 10 : value[0] - '0';
}

bool IsNumber(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Why a word is no switch; empty when it is one.
std::string SwitchFault(std::string_view word)
{
    constexpr std::string_view kPlain[] = {"/D",           "/d",           "/4#8130562#2", "/4#8130562#1",
                                           "/6#5093817#3", "/3#5093817#3", "/Production",  "/production"};
    if (std::find(std::begin(kPlain), std::end(kPlain), word) != std::end(kPlain))
        return {};
    const std::string quoted = "\"" + std::string(word) + "\"";
    if (word.starts_with("/COM:")) {
        if (word.size() == 6 && IsDigit(word[5]))
            return {};
        return "Der Schalter " + quoted + " nennt keinen Port: Nach /COM: steht genau eine Ziffer, 1 bis 9 oder 0 "
                                          "für COM 10.";
    }
    if (word.starts_with("/FILE:"))
        return word.size() > 6 ? std::string() : "Nach /FILE: fehlt der Pfad der Intel-Hex-Datei.";
    if (word.starts_with("/X:") || word.starts_with("/Y:")) {
        if (IsNumber(word.substr(3)))
            return {};
        return "Der Schalter " + quoted + " braucht eine Zahl: die Position des Fensters in Pixeln.";
    }
    return "Unbekannter Schalter " + quoted + ".";
}

std::string FirstSwitchFault(std::string_view line)
{
    while (!line.empty()) {
        const std::size_t blank = line.find(' ');
        const std::string_view word = line.substr(0, blank);
        line = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
        if (!word.starts_with('/'))
            continue;
        if (std::string fault = SwitchFault(word); !fault.empty())
            return fault;
    }
    return {};
}

// Linux paths are full of slashes: "/FILE:/data/Production/fw.hex" must not
// switch on the debug area or the production menu, so the other switches are
// looked for in the line without the path.
std::string WithoutFilePath(std::string_view line, std::string_view path)
{
    std::string rest(line);
    const std::size_t at = rest.find("/FILE:");
    if (at != std::string::npos)
        rest.erase(at + 6, path.size());
    return rest;
}

} // namespace

std::string FwCommandLine::Join(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

FwCommandLine FwCommandLine::Parse(std::string_view line)
{
    FwCommandLine c;
    bool fileGiven = false;
    c.commandFile = std::string(ValueOf(line, "/FILE:", fileGiven));
    const std::string rest = WithoutFilePath(line, c.commandFile);
    c.debug = HasAny(rest, "/D", "/d");
    c.skipHardwareChecks = HasAny(rest, "/4#8130562#2", "/4#8130562#1");
    c.skipRevisionCheck = HasAny(rest, "/6#5093817#3", "/3#5093817#3");
    c.production = HasAny(rest, "/Production", "/production");
    c.commandPort = Port(rest);
    c.windowX = Number(rest, "/X:");
    c.windowY = Number(rest, "/Y:");
    c.error = FirstSwitchFault(line);
    return c;
}
