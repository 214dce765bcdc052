// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include "DisplayPlatform.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* g_program = "";
QtMessageHandler g_previous = nullptr;

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
    if (type == QtFatalMsg)
        NoDisplay(WhyDisplayUnreachable());
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

void BeginDisplayCheck(const char* program)
{
    g_program = program;
    const std::string missing = WhyNoDisplayNamed();
    if (!missing.empty())
        NoDisplay(missing);
    g_previous = qInstallMessageHandler(OnMessage);
}

void EndDisplayCheck()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}
