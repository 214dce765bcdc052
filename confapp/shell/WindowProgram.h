// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <iosfwd>

// The windowed program: start-up, the message loop and the end.
// Exit status 0, or 2 when the document named on the command line cannot be opened.
int RunWindowProgram(int argc, char** argv);

// Everything after the application object: the main window with the document
// file (empty: a new one) until the user quits. A document that cannot be
// opened is reported on err and in a message box; 2 then.
int RunMainWindow(const QString& file, std::ostream& err);

// Start-up steps before any window: the derivative identity and its switches
// for the MV850, then the per-user settings (which need the minimum size).
void LoadIdentityAndSettings();
