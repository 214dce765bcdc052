// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own settings in its per-user profile file: whole values (not
// cut like document values), integers, and read-modify-write updates that
// keep every key another part of the program stored.
#include "ProfileFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace ProfileStore {

// The profile, or an empty one when the file is missing or unreadable.
CProfileFile Read(const std::string& path);

// Loads the file, lets change() modify it and writes it back, creating the
// folder if needed. False when the file could not be read or written.
bool Update(const std::string& path, const std::function<void(CProfileFile&)>& change);

// A number; fallback when the key is missing, empty or not a number.
int GetInt(const CProfileFile& profile, std::string_view section, std::string_view key, int fallback);
void SetInt(CProfileFile& profile, std::string_view section, std::string_view key, int value);

} // namespace ProfileStore
