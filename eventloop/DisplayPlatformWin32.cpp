// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayPlatform.h"

// Windows always has its desktop; what can fail is Qt's part that draws on
// it, which lies beside the program.
std::string WhyNoDisplayNamed()
{
    return {};
}

std::string WhyDisplayUnreachable()
{
    return "die Anbindung an Windows, platforms\\qwindows.dll neben dem Programm, fehlt oder startet nicht";
}
