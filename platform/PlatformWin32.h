// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's error codes of Windows as the rest of the program knows
// them: messages are worded from errno values, so each Win32 code that a
// user can do something about gets the errno value of the same meaning.
#include <string>

using Win32Error = unsigned long; // a DWORD, without <windows.h> in every file

// The errno value of the same meaning; EIO for codes that have none.
int ErrnoOfWin32Error(Win32Error code);

// The system's own text for a code, in English whatever the user's
// language, without its line break: the German messages quote it as it is.
std::string Win32ErrorText(Win32Error code);
