// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device control block of a line's settings (Windows).
#include "LineSettings.h"

#include <windows.h>

// Makes dcb a raw binary line with these settings: no XON/XOFF, no parity
// check or replacement on input, no stop on errors; RTS/CTS handshake when
// rtsCts, RTS low otherwise; DTR raised when dtr. What the driver holds
// beyond that (its queue limits) stays as it was.
void FillDcb(const LineSettings& settings, bool rtsCts, bool dtr, DCB& dcb);
