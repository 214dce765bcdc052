// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLoop.h"

#include "BenchBoard.h"
#include "InterruptWatch.h"

#include <QEventLoop>
#include <QTimer>

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
