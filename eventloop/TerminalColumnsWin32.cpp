// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLoop.h"

#include <windows.h>

// A console's window, not its buffer: the buffer is often far wider than
// what the user sees.
int StdoutTerminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info))
        return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}
