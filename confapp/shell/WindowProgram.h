// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windowed program: start-up, the message loop and the end.
// Exit status 0, or 2 when the document named on the command line cannot be opened.
int RunWindowProgram(int argc, char** argv);

// Start-up steps before any window: the derivative identity and its switches
// for the MV850, then the per-user settings (which need the minimum size).
void LoadIdentityAndSettings();
