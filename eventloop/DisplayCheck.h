// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window needs a display. Without one Qt ends the program with an English
// message and an abort; the check ends it with a German message that names
// the modes without a window, and exit status 2.
//
//     BeginDisplayCheck("mvconf");
//     QApplication application(argc, argv);
//     EndDisplayCheck();

// Ends the program at once when no display is named at all; otherwise
// watches Qt's start-up until EndDisplayCheck.
void BeginDisplayCheck(const char* program);
void EndDisplayCheck();
