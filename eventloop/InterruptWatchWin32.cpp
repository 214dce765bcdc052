// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptWatch.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSocketNotifier>

#include <windows.h>

namespace {

// The console calls its handler on a thread of its own; the call goes on to
// the event loop's thread, where the watch lives and may already be gone.
std::function<void()>* g_onInterrupt = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return FALSE;
    QMetaObject::invokeMethod(
        application,
        [] {
            if (g_onInterrupt)
                (*g_onInterrupt)();
        },
        Qt::QueuedConnection);
    return TRUE;
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt) : m_onInterrupt(std::move(onInterrupt))
{
    g_onInterrupt = &m_onInterrupt;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch()
{
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    g_onInterrupt = nullptr;
}
