// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the download tool adds to its fixed texts about the file at hand (UTF-8).
#include <cstddef>
#include <string>
#include <string_view>

// The least time the line needs for an image of this many bytes: 9600 baud,
// 8N2, so 11 bits a byte. The telephone's answers come on top.
int DownloadSeconds(std::size_t imageBytes);

// A start message with the duration of this file ("ca. 3 Minuten") in place
// of the whole telephone image's "ca. 25 Minuten" it was written with.
std::string WithFileDuration(std::string_view text, std::size_t imageBytes);

// For a file without identification records and without a version file:
// which version file was looked for, and which records were missing.
std::string MissingIdentificationHint(const std::string& hexPath);

// After message 109: what the telephone reported against what the file is
// for. fileHasRevision: the image carries revision records; a version file
// gives none, so a report with a revision cannot match it.
std::string HardwareMismatchHint(std::string_view reported, std::string_view fileHardware, bool fileHasRevision);
