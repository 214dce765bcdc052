// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --write-config and --write-phonebook with several telephones: the same
// document written to every one at the same time on the one event loop,
// one row of progress each and a summary at the end.
#include <iosfwd>
#include <string>
#include <vector>

struct CliOptions;
struct Session;

// arguments: the whole command line, for the command that retries the
// telephones that did not succeed. Exit status 0 when every telephone took
// the document, 2 for a file error or when a port could not be opened,
// otherwise 1.
int RunBenchWrite(Session& session, const CliOptions& options, const std::vector<std::string>& arguments,
                  std::ostream& out, std::ostream& err);
