// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of fwload's mode without a window:
//   fwload --cli [--device PATH | --port N] --file FILE.hex [--yes] [/switches]
// --device (or --port) given more than once names several telephones,
// which are downloaded at the same time.
#include "BenchTargets.h"
#include "FwCommandLine.h"

#include <string>
#include <vector>

struct FwCliOptions {
    bool cli = false;
    bool help = false;
    bool version = false;
    bool yes = false;    // answer the version questions with Yes
    std::string device;  // --device PATH
    int port = 0;        // --port N, else "/COM:", 0: the port of the profile
    std::string file;    // --file, else "/FILE:"
    FwCommandLine switches; // the dialog's switches given as "/..." arguments
    std::vector<BenchTarget> targets; // every --device and --port in order

    // --device or --port more than once (never both: that is refused).
    bool SeveralTelephones() const;
};

// True when the arguments ask for the mode without a window, its help or
// version, or hold an option ("--...") the window does not take.
bool IsFwCliInvocation(int argc, const char* const* argv);

// Fills options; false with a message in error for a bad command line.
bool ParseFwCliOptions(int argc, const char* const* argv, FwCliOptions& options, std::string& error);

extern const char* const kFwCliUsage;
