// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramVersion.h"

// MV_PROJECT_VERSION comes from the build system, for this file only, so a
// new version rebuilds one file.
const char* const kProjectVersion = MV_PROJECT_VERSION;
const char* const kLicenceLine = "Lizenz: GNU GPL Version 3 oder neuer (GPL-3.0-or-later)";

std::string VersionText(std::string_view program)
{
    return std::string(program) + " " + kProjectVersion + "\n" +
           "Copyright (C) 2026 Systemtelefon-Team\n" + kLicenceLine + "\n" +
           "Dies ist freie Software: Sie dürfen sie verändern und weitergeben.\n"
           "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.\n";
}
