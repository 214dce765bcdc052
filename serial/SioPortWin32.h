// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an open port is on Windows, shared by the owner's side
// (CSioWin32.cpp) and the watcher (CSioWatchWin32.cpp). The port is opened
// for overlapped I/O, so that a write the driver holds back never blocks
// a read or the watcher's wait.
#include "CSio.h"

#include <string>
#include <windows.h>

struct CSio::OsPort {
    HANDLE port = INVALID_HANDLE_VALUE;
    HANDLE wake = nullptr;      // auto-reset: wakes the watcher
    HANDLE writeDone = nullptr; // manual-reset: the event of the overlapped write
    HANDLE readDone = nullptr;  // manual-reset: the event of the owner's reads
    OVERLAPPED writeOverlapped{};
    bool writePending = false;  // guarded by m_txMutex
    std::wstring claimed;       // the device name this object holds in the process

    // Bytes waiting in the driver's queues; false when the port no longer
    // answers (the adapter was pulled out).
    bool Queues(DWORD& input, DWORD& output) const
    {
        COMSTAT status{};
        DWORD errors = 0;
        if (!::ClearCommError(port, &errors, &status))
            return false;
        input = status.cbInQue;
        output = status.cbOutQue;
        return true;
    }
    // Bytes still in the driver's output queue; 0 when it cannot say.
    int QueuedOutput() const
    {
        DWORD input = 0;
        DWORD output = 0;
        return Queues(input, output) ? static_cast<int>(output) : 0;
    }
    // Reads bytes that the input queue holds; the count read.
    DWORD ReadQueued(unsigned char* buffer, DWORD count) const;
    // Hands bytes to the driver; false when it refused them. The write may
    // complete at once (written set) or later (writePending).
    bool StartWrite(const unsigned char* bytes, std::size_t count, std::size_t& written);
    // The bytes of the overlapped write once it has completed; false when it failed.
    bool FinishWrite(std::size_t& written);
    // Waits a moment for the write to complete and the output queue to
    // empty; true when both did.
    bool DrainBriefly();
    void CloseHandles();
};
