// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the per-user files of the programs live.
#include <string>
#include <string_view>

// ${XDG_CONFIG_HOME:-~/.config}/<program>/<program>.ini
std::string UserProfilePath(std::string_view program);
// ${XDG_STATE_HOME:-~/.local/state}/<program>
std::string UserStateDir(std::string_view program);

// The device of serial port n: the profile's "Ports"/"COMn", else /dev/ttyS<n-1>.
std::string DeviceForPort(const std::string& profilePath, int n);

// Creates a folder and its parents (mode 0700 for new ones); false with errno set.
bool MakeFolders(const std::string& path);
