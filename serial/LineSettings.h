// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings text of a serial line ("9600,8N1") and the termios it makes,
// apart from any device, so that the mapping can be checked on its own.
#include <string_view>

#include <termios.h>

struct LineSettings {
    long baud = 9600;
    speed_t speed = B9600;
    int dataBits = 8;
    char parity = 'N'; // 'N', 'O' or 'E'
    int stopBits = 1;
};

// "9600,8N1": baud (3 to 7 digits, at least 120, a rate the driver knows),
// one separator that is not examined, data bits 5 to 8, parity N, O or E in
// either case, stop bits 1 or 2; what follows is ignored. False otherwise,
// and settings stays as it was.
bool ParseLineSettings(std::string_view text, LineSettings& settings);

// Makes t a raw line with these settings: no software flow control, no input
// parity check, reads that return at once, RTS/CTS handshake when rtsCts.
// False when the speed cannot be set.
bool FillTermios(const LineSettings& settings, bool rtsCts, termios& t);

// The time one character takes on the line, start and stop bits included.
int CharMicros(const LineSettings& settings);
