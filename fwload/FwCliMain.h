// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fwload without a window: --help, --version and the download of --cli.
#include <iosfwd>

// Exit status 0 after a finished download (or --help, --version), 1 when the
// download failed or was refused, 2 for a usage, file or port error.
int RunFwCli(int argc, char** argv, std::ostream& out, std::ostream& err);
