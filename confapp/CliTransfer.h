// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line modes that read from or write to the telephone.
#include <iosfwd>
#include <memory>
#include <string>

class QCoreApplication;
struct CliOptions;
struct Session;

// The transfers run on an event loop; a caller that has an application
// already (a test in the same process) keeps it, and null comes back.
std::unique_ptr<QCoreApplication> EnsureCoreApplication();

// Opens the document a write sends; a file that is no document, or one that
// lacks the half that is sent (unless --force), is refused with the reason.
bool OpenDocumentToSend(Session& session, const CliOptions& options, std::string& error);

// Exit status 0 on success, 1 when the transfer failed, 2 for file or port errors.
int RunTransferMode(Session& session, const CliOptions& options, std::ostream& out, std::ostream& err);
