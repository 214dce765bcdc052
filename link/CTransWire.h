// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link layer and the chains of states of CTrans both speak.
#include <string_view>

namespace wire {

inline constexpr char ACK = '\x06';
inline constexpr char NAK = '\x15';
inline constexpr std::string_view kEndRecord = ":00000001";
// The phone-book sender, and the first state of a phone-book read's records.
inline constexpr int kStateTxDialName = 35;
inline constexpr int kStateRxDialNameBeg = 44;

} // namespace wire
