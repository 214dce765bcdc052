// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <iosfwd>

class App;

// The windowed program: start-up, the message loop and the end.
// Exit status 0, or 2 when the document named on the command line cannot be opened.
int RunWindowProgram(int argc, char** argv);

// Everything after the application object: the per-user settings, then the
// main window on app with the document file (empty: a new one) until the
// user quits, then the settings again. A document that cannot be opened is
// reported on err and in a message box; 2 then.
int RunMainWindow(App& app, const QString& file, std::ostream& err);
