// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fwload --cli with several telephones: every one downloaded at the same
// time on the one event loop, each with its own port and protocol, one row
// of progress each and a summary at the end.
#include <iosfwd>
#include <string>
#include <vector>

struct FwCliOptions;

// arguments: the whole command line, for the command that retries the
// telephones that did not succeed. Exit status 0 when every telephone
// finished, 2 for a usage or file error or when a port could not be
// opened, otherwise 1.
int RunFwBench(const FwCliOptions& options, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err);
