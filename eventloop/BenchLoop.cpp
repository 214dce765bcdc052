// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLoop.h"

#include "BenchBoard.h"
#include "InterruptWatch.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kAssumedColumns = 80;

} // namespace

void RunBench(BenchBoard& board, const std::function<void()>& start, const std::function<void()>& cancel)
{
    QEventLoop loop;
    // Queued, so the handler that gave the last result returns first.
    board.onAllFinished = [&loop] { QTimer::singleShot(0, &loop, &QEventLoop::quit); };
    {
        const InterruptWatch interrupt(cancel);
        start();
        if (!board.AllFinished())
            loop.exec();
    }
    board.onAllFinished = nullptr;
}

int StdoutTerminalColumns()
{
    if (::isatty(STDOUT_FILENO) == 0)
        return 0;
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0)
        return kAssumedColumns;
    return size.ws_col;
}
