// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a serial port could not be opened and what the user can do about it (UTF-8).
#include <string>

class CSio;

std::string PortOpenFailureReason(const CSio& sio);
