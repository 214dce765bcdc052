// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* g_program = "";
QtMessageHandler g_previous = nullptr;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

[[noreturn]] void NoDisplay(const std::string& why)
{
    std::fprintf(stderr,
                 "%s: Das Programmfenster braucht eine grafische Anzeige (%s).\n"
                 "Die Betriebsarten ohne Fenster nennt \"%s --help\".\n",
                 g_program, why.c_str(), g_program);
    std::fflush(stderr);
    // Inside Qt's start-up nothing may run that Qt half made.
    std::_Exit(2);
}

// Qt reports a display it cannot reach as a fatal message; anything else
// goes on to the handler that was there before.
void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const std::string display = Environment("DISPLAY");
        NoDisplay(display.empty() ? "keine ist erreichbar" : "DISPLAY=" + display + " ist nicht erreichbar");
    }
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

void BeginDisplayCheck(const char* program)
{
    g_program = program;
    // A platform chosen by name (offscreen for tests and screenshots) needs no display.
    const bool named = !Environment("QT_QPA_PLATFORM").empty();
    if (!named && Environment("DISPLAY").empty() && Environment("WAYLAND_DISPLAY").empty())
        NoDisplay("DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt");
    g_previous = qInstallMessageHandler(OnMessage);
}

void EndDisplayCheck()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}
