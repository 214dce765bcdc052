// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line modes that read from or write to the telephone.
#include <iosfwd>

struct CliOptions;
struct Session;

// Exit status 0 on success, 1 when the transfer failed, 2 for file or port errors.
int RunTransferMode(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err);
