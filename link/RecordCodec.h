// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record frames of the configuration and the phone book: the texts the
// PC sends in a write, and the decoding of what the telephone sends in a
// read. Frame texts here are as the PC sees them (before the character
// conversion and without the checksum, which the link adds).
#include <string>
#include <string_view>
#include <vector>

class CData_All;
struct CodecRules;
struct DerivatProperties;

// First and last state of the configuration senders of a write.
inline constexpr int kFirstCfgSenderState = 6;
inline constexpr int kLastCfgSenderState = 29;

// The sender's name for the trace, e.g. "State_Tx_DialLen" (no "()").
const char* CfgSenderName(int state);

// The frame texts the sender of state 6 to 29 sends, in order; empty when its
// switch is off (then it sends nothing and writes no trace).
std::vector<std::string> CfgSenderFrames(int state, const CData_All& data, const DerivatProperties& props);

// ":70000000", the request to clear the telephone's phone book.
inline constexpr const char* kDialNameDeleteFrame = ":70000000";
// The entry frames of a phone-book write: one per entry with a name, in order.
std::vector<std::string> DialNameFrames(const CData_All& data, const DerivatProperties& props);

// Number of configuration frames of a read; a write sends 6 fewer (the cost
// counters only come from the telephone).
int CfgRecordCount(const DerivatProperties& props);

enum class RxRecord {
    Stored,      // decoded and stored (possibly repaired): counts for the progress
    EndRecord,   // type 00
    Ignored,     // invalid record number, unknown type or own-number kind: traced, not counted
};

// Decodes one received record frame (already converted to the PC's
// characters) into data, its texts read with the rules of the telephone that
// sent it, tracing every failed check as class "CTrans". It does not answer;
// the caller acknowledges every frame.
RxRecord DecodeRecord(std::string_view frameText, CData_All& data, const CodecRules& rules);

// Hexadecimal digits of either case; every other character is skipped.
int HexToInt(std::string_view text);
