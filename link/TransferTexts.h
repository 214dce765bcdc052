// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the transfer window and the command line tell the user (UTF-8).
#include "CTrans.h"
#include "PortErrorText.h"

#include <string>
#include <string_view>

// The fixed instruction of the transfer window and the keys it names.
inline constexpr const char* kTransferInstruction = "Bitte Konfigurationsprozedur am Telefon starten:";
inline constexpr const char* kTransferKeys = "[Menu] [konfig] [pc] [daten]";

// The text while a mode runs, and after it failed (mode 4: the port failed).
const char* TransferRunningText(int mode);
const char* TransferFailureText(int mode);

// Why a transfer failed, from what the link and the port saw; empty when
// nothing more is known than the mode's failure text.
std::string TransferFailureCause(CTrans::Failure failure, bool deviceGone);

// What a write that ended early left in the telephone, and how to send it
// again (again: the command, in the caller's words).
std::string PartlyWrittenNotice(int mode, std::string_view again);
