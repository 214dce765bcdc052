// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns Ctrl+C (SIGINT) and SIGTERM into a call on the event loop's thread
// while it lives, so that a running transfer can end the way "Abbrechen"
// ends it: with the end record to the telephone and the port closed. On
// Windows Ctrl+C, Ctrl+Break and closing the console window do the same
// (InterruptWatchPosix.cpp, InterruptWatchWin32.cpp).
#include <functional>
#include <memory>

class QObject;

class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    std::function<void()> m_onInterrupt;
    // What receives the interrupt on the loop's thread.
    std::unique_ptr<QObject> m_receiver;
};
