// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayPlatform.h"

#include <cstdlib>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string WhyNoDisplayNamed()
{
    // A platform chosen by name (offscreen for tests and screenshots) needs no display.
    if (!Environment("QT_QPA_PLATFORM").empty())
        return {};
    if (Environment("DISPLAY").empty() && Environment("WAYLAND_DISPLAY").empty())
        return "DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt";
    return {};
}

std::string WhyDisplayUnreachable()
{
    const std::string display = Environment("DISPLAY");
    return display.empty() ? "keine ist erreichbar" : "DISPLAY=" + display + " ist nicht erreichbar";
}
