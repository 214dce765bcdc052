// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the transfer window and the command line tell the user (UTF-8).
#include "PortErrorText.h"

// The fixed instruction of the transfer window and the keys it names.
inline constexpr const char* kTransferInstruction = "Bitte Konfigurationsprozedur am Telefon starten:";
inline constexpr const char* kTransferKeys = "[Menu] [konfig] [pc] [daten]";

// The text while a mode runs, and after it failed (mode 4: the port failed).
const char* TransferRunningText(int mode);
const char* TransferFailureText(int mode);
