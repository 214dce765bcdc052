// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The termios of a line's settings (Linux).
#include "LineSettings.h"

#include <termios.h>

// The termios speed of a baud rate that ParseLineSettings accepts.
bool SpeedForBaud(long baud, speed_t& speed);

// Makes t a raw line with these settings: no software flow control, no input
// parity check, reads that return at once, RTS/CTS handshake when rtsCts.
// False when the speed cannot be set.
bool FillTermios(const LineSettings& settings, bool rtsCts, termios& t);
