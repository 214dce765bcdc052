// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The telephones of a command line that serves several at once: how each
// was named, its device, and the command that names some of them again.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How the command line named one telephone: {"--device", path} or {"--port", "3"}.
struct BenchTarget {
    std::string option;
    std::string value;
};

// --device or --port more than once: several telephones. (One of each is
// one telephone, however the program takes that.)
bool SeveralBenchTargets(const std::vector<BenchTarget>& targets);
// Both options among them.
bool MixedBenchTargets(const std::vector<BenchTarget>& targets);

// A telephone of the command line with its device.
struct BenchTelephone {
    BenchTarget target;
    // A device named with --device belongs to no COM port; the port still needs a number.
    int port = 1;
    std::string device;
    std::string label;     // the device, or "COM 3 (/dev/ttyS2)"
    std::string howToName; // for a device taken from the profile (PortOpenFailureReason)
};

// The devices of --port from deviceForPort, profilePath for the hint how to
// name one. False with a message in error when two name the same device,
// which would only take the other's answers.
bool ResolveBenchTargets(const std::vector<BenchTarget>& targets, const std::function<std::string(int)>& deviceForPort,
                         std::string_view profilePath, std::vector<BenchTelephone>& telephones, std::string& error);

// The program's arguments without those that named telephones, followed by
// the given telephones.
std::vector<std::string> ArgumentsFor(const std::vector<std::string>& arguments,
                                      const std::vector<BenchTarget>& telephones);

// A command line as a shell takes it: arguments with blanks or special
// characters in single quotes.
std::string ShellCommand(const std::vector<std::string>& arguments);
