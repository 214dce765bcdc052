// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and atomic whole-file writes.
#include <cstddef>
#include <string>
#include <string_view>

// Writes bytes to a temporary file in the target's folder, flushes it to the
// disk and renames it over the target, so a crash or a full disk never leaves
// a half-written file. An existing target keeps its permissions. On failure
// the target is untouched and error says what went wrong (German, UTF-8).
// Only a regular file or a free name is treated so: a device, a pipe or the
// standard output (a link to one) is written in place.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Whether WriteFileAtomically could write path now (a file could be made in
// its folder, or the device or pipe may be written); false with the reason
// as the save would give it.
bool CheckSavable(const std::string& path, std::string& error);

enum class ReadStatus { Read, Missing, Failed };
// Reads a whole file of at most maxBytes bytes.
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                         std::size_t maxBytes = 16u << 20);
