// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole hex file checked record by record before anything goes to the
// telephone: the download erases the phone book at its first line, so a
// spoiled record found half-way leaves a telephone without firmware. The
// lines are taken as the image sends them (carriage returns and blanks
// removed, empty lines left out); the telephone still checks each one.
#include <cstddef>
#include <string>
#include <string_view>

struct HexFileFault {
    enum class Kind { None, LineTooLong, BadRecord };
    Kind kind = Kind::None;
    // The line's number in the file, from 1; 0 for a fault of the whole file.
    std::size_t line = 0;
    // UTF-8, for the user: "Zeile 10: Prüfsumme 3F, erwartet 4A".
    std::string reason;
};

// The first fault of the text; Kind::None when every record can go out.
HexFileFault CheckHexRecords(std::string_view text);

// 0 to 15 for a hex digit of either case, -1 for any other character.
int HexDigitValue(char c);
