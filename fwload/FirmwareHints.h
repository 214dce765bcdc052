// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the download tool adds to its fixed texts about the file at hand (UTF-8).
#include <cstddef>
#include <string>

// The least time the line needs for an image of this many bytes: 9600 baud,
// 8N2, so 11 bits a byte. The telephone's answers come on top.
int DownloadSeconds(std::size_t imageBytes);

// "Für diese Datei (N Bytes) braucht die Leitung bei 9600 Baud ca. 3 Minuten."
std::string DownloadDurationText(std::size_t imageBytes);

// For a file without identification records and without a version file:
// which version file was looked for, and which records were missing.
std::string MissingIdentificationHint(const std::string& hexPath);
