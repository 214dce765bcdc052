// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings text of a serial line ("9600,8N1"), apart from any device
// and any platform, so that the text can be checked on its own. What the
// platform's driver makes of it: TermiosLine.h, DcbLine.h.
#include <string_view>

struct LineSettings {
    long baud = 9600;
    int dataBits = 8;
    char parity = 'N'; // 'N', 'O' or 'E'
    int stopBits = 1;
};

// "9600,8N1": baud (3 to 7 digits, at least 120, a rate the drivers know),
// one separator that is not examined, data bits 5 to 8, parity N, O or E in
// either case, stop bits 1 or 2; what follows is ignored. False otherwise,
// and settings stays as it was.
bool ParseLineSettings(std::string_view text, LineSettings& settings);

// The time one character takes on the line, start and stop bits included.
int CharMicros(const LineSettings& settings);
