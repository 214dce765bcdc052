// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLoop.h"

#include <windows.h>

// Output into a file or a pipe has no console screen buffer: no columns.
int StdoutTerminalColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info))
        return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}
