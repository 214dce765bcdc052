// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTargets.h"

#include "PortErrorText.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

bool IsPlain(const std::string& argument)
{
    return !argument.empty() && std::all_of(argument.begin(), argument.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::string_view("/._-+:=,@%").find(c) != std::string_view::npos;
    });
}

int CountOf(const std::vector<BenchTarget>& targets, std::string_view option)
{
    return static_cast<int>(std::count_if(targets.begin(), targets.end(),
                                          [option](const BenchTarget& t) { return t.option == option; }));
}

} // namespace

bool SeveralBenchTargets(const std::vector<BenchTarget>& targets)
{
    return CountOf(targets, "--device") > 1 || CountOf(targets, "--port") > 1;
}

bool MixedBenchTargets(const std::vector<BenchTarget>& targets)
{
    return CountOf(targets, "--device") > 0 && CountOf(targets, "--port") > 0;
}

bool ResolveBenchTargets(const std::vector<BenchTarget>& targets, const std::function<std::string(int)>& deviceForPort,
                         std::string_view profilePath, std::vector<BenchTelephone>& telephones, std::string& error)
{
    std::set<std::string> devices;
    for (const BenchTarget& target : targets) {
        BenchTelephone t{target, 1, target.value, target.value, {}};
        if (target.option == "--port") {
            t.port = std::atoi(target.value.c_str());
            t.device = deviceForPort(t.port);
            t.label = "COM " + target.value + " (" + t.device + ")";
            t.howToName = HowToNameDeviceOnCommandLine(profilePath, t.port);
        }
        if (!devices.insert(t.device).second) {
            error = "Das Gerät " + t.device + " ist mehrfach angegeben.";
            return false;
        }
        telephones.push_back(std::move(t));
    }
    return true;
}

std::string ShellCommand(const std::vector<std::string>& arguments)
{
    std::string command;
    for (const std::string& argument : arguments) {
        if (!command.empty())
            command += ' ';
        if (IsPlain(argument)) {
            command += argument;
            continue;
        }
        command += '\'';
        for (const char c : argument)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += '\'';
    }
    return command;
}

std::vector<std::string> ArgumentsFor(const std::vector<std::string>& arguments,
                                      const std::vector<BenchTarget>& telephones)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if ((arguments[i] == "--device" || arguments[i] == "--port") && i + 1 < arguments.size())
            ++i;
        else
            result.push_back(arguments[i]);
    }
    for (const BenchTarget& t : telephones)
        result.insert(result.end(), {t.option, t.value});
    return result;
}
