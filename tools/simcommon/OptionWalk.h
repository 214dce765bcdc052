// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the simulators: switches without a value, and options
// written "--name value" or "--name=value".
#include <functional>
#include <string>
#include <string_view>

struct OptionHandlers {
    std::function<bool(std::string_view name)> takeFlag;       // true when name was a switch
    std::function<bool(std::string_view name)> takesValue;     // true for a known option with a value
    std::function<bool(std::string_view name, std::string_view value, std::string& error)> takeValue;
};

// False with a message in error for an unknown option, a missing or a bad value.
bool WalkOptions(int argc, char** argv, const OptionHandlers& handlers, std::string& error);
