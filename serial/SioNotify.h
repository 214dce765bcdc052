// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Notices of an open port to its owner.

enum SioNotice : int {
    CN_RECEIVE = 1,  // bytes are waiting; at most one such notice is outstanding until Read
    CN_TRANSMIT = 2, // the output has drained
};

class ISioNotify {
public:
    virtual ~ISioNotify() = default;
    // Called on the port's watcher thread. The owner must hand the notice over
    // to its own thread (queued call) and handle it there, never here.
    virtual void PostCommNotify(int notice) = 0;
};
