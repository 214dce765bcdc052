// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The switches of the fwload command line. Each is found by a case-sensitive
// search anywhere in the command line joined with blanks, so "x/Dy" counts
// as "/D" just as a separate argument would. A word that starts with "/" must
// be one of them as written, or the command line is refused: a port or file
// taken other than the user meant would load the wrong telephone.
#include "CDownloadProtocol.h"

#include <string>
#include <string_view>

class FwCommandLine {
public:
    // The program arguments (without the program name) joined with blanks.
    static std::string Join(int argc, const char* const* argv);
    static FwCommandLine Parse(std::string_view line);

    // Both "/X:" and "/Y:" were given.
    bool HasPosition() const { return windowX != -1 && windowY != -1; }
    // What the protocol needs to know of the switches.
    DownloadOptions ProtocolOptions() const { return {debug, skipHardwareChecks, skipRevisionCheck}; }

    bool debug = false;
    bool skipHardwareChecks = false; // hidden switch 1
    bool skipRevisionCheck = false;  // hidden switch 2
    bool production = false;         // ten port commands instead of four
    int commandPort = 0;             // 0: not given
    int windowX = -1;
    int windowY = -1;
    std::string commandFile;
    // Why the first word with "/" is no switch (UTF-8); empty when all are.
    std::string error;
};
