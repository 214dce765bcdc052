// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line modes of mvconf: they need no display.
#include <iosfwd>

// True when the arguments ask for a command-line mode rather than the window.
bool IsCliInvocation(int argc, char** argv);

// Runs one command-line mode. Exit status 0 on success, 2 on a usage, file or
// port error (with the reason on err); 1 when a transfer failed or the two
// documents of --compare differ.
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);
