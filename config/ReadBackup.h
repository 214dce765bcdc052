// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of every document read from a telephone, so that a reading that
// was overwritten by mistake can be recovered.
#include <string>
#include <string_view>

class CData_All;

// Saves data as "<YYYYMMDD-HHMMSS-mmm>-<what>.mv8" into folder (created when
// missing) and removes the oldest copies beyond keep. False with the reason.
bool KeepReadBackup(const CData_All& data, const std::string& folder, std::string_view what,
                    std::string& savedPath, std::string& error, int keep = 50);
