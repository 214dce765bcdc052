// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a running transfer needs of its window (or of the command line's
// event loop): timers, and a way onto the owner's thread.
#include "ITimerHost.h"

#include <functional>

class ITransferHost : public ITimerHost {
public:
    // Runs fn later on the owner's thread; may be called from any thread.
    virtual void Post(std::function<void()> fn) = 0;
};
