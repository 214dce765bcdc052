// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptWatch.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <windows.h>

namespace {

// The system calls the handler on a thread of its own; the call is queued to
// the receiver, which lives on the loop's thread, and dropped with it.
std::atomic<QObject*> g_receiver{nullptr};
std::function<void()>* g_onInterrupt = nullptr; // set and read on the loop's thread only
std::atomic<bool> g_handled{false};
// When the console window is closed the process ends as soon as the handler
// returns; the loop gets this long to send the end record first.
constexpr int kCloseGraceMs = 3000;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    QObject* receiver = g_receiver.load();
    if (!receiver)
        return FALSE;
    g_handled = false;
    QMetaObject::invokeMethod(
        receiver,
        [] {
            if (g_onInterrupt)
                (*g_onInterrupt)();
            g_handled = true;
        },
        Qt::QueuedConnection);
    for (int waited = 0; event == CTRL_CLOSE_EVENT && !g_handled && waited < kCloseGraceMs; waited += 50)
        ::Sleep(50);
    return TRUE;
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt) : m_onInterrupt(std::move(onInterrupt))
{
    m_receiver = std::make_unique<QObject>();
    g_onInterrupt = &m_onInterrupt;
    g_receiver = m_receiver.get();
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch()
{
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    g_receiver = nullptr;
    m_receiver.reset();
    g_onInterrupt = nullptr;
}
