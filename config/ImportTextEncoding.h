// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Import files come as Windows programs write them (Windows-1252) or, from
// today's systems, as UTF-8. The parser and the telephone know Windows-1252
// only, so UTF-8 is converted first: a character the code page lacks
// becomes the letter it is a variant of where there is one, else it is left
// out, and both are counted so the user can be told.
#include <string>
#include <string_view>

struct ImportText {
    std::string bytes;  // Windows-1252
    bool fromUtf8 = false;
    int replaced = 0;   // characters Windows-1252 lacks, written as a near one
    int dropped = 0;    // characters Windows-1252 lacks, with nothing near
};

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// A text that is valid UTF-8 (a leading byte-order mark allowed) and holds
// more than ASCII is converted; any other text is taken as Windows-1252,
// whose umlauts and ß next to letters are never valid UTF-8.
ImportText ImportTextToCp1252(std::string_view fileBytes);
