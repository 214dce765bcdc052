// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the per-user files of the programs live (UserPathsPosix.cpp,
// UserPathsWin32.cpp).
#include <string>
#include <string_view>

// Linux: ${XDG_CONFIG_HOME:-~/.config}/<program>/<program>.ini
// Windows: %APPDATA%\<program>\<program>.ini
std::string UserProfilePath(std::string_view program);
// Linux: ${XDG_STATE_HOME:-~/.local/state}/<program>
// Windows: %LOCALAPPDATA%\<program> (kept on this computer, not roamed)
std::string UserStateDir(std::string_view program);

// The device of serial port n: the profile's "Ports"/"COMn", else DefaultDeviceForPort(n).
std::string DeviceForPort(const std::string& profilePath, int n);

// Creates a folder and its parents (mode 0700 for new ones); false with errno set.
bool MakeFolders(const std::string& path);
