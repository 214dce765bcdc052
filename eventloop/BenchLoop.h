// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several telephones on the program's one event loop, until each has its
// result on the bench board; Ctrl+C cancels the ones still running, each
// as its own protocol prescribes.
#include <functional>

class BenchBoard;

// start starts every telephone (a port that cannot be opened may end one at
// once); cancel cancels every telephone still running.
void RunBench(BenchBoard& board, const std::function<void()>& start, const std::function<void()>& cancel);

// The columns of the terminal on stdout; 0 when stdout is no terminal.
int StdoutTerminalColumns();
