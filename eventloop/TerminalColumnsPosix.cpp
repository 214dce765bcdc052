// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLoop.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kAssumedColumns = 80;

} // namespace

int StdoutTerminalColumns()
{
    if (::isatty(STDOUT_FILENO) == 0)
        return 0;
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0)
        return kAssumedColumns;
    return size.ws_col;
}
