// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces record frames are made of and read from: two-digit hexadecimal
// fields, length-prefixed texts, and the header of a received frame.
#include "Derivat.h"
#include "RecordCodec.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace recordtext {

inline constexpr std::size_t kMaxData = 20;

std::string Hex2(unsigned long value, bool upper = false);
// As printf shows an int with "%02x": a negative one as its 32 bits.
std::string Hex2(int value, bool upper = false);
// The text after its two-digit length.
std::string TextBody(std::string_view text);
// The type goes out in uppercase ("8A"), every other header field in lowercase.
std::string Record(int type, int number, std::string_view address2, std::string_view body);

struct Frame {
    std::string_view text;
    int type;
    int a1;
    int a2;
    std::size_t length; // the data-length field, cut to kMaxData
    std::string_view data;
    CodecRules rules;   // of the telephone that sent it
};

// Frames come from the line: any piece may be missing.
std::string_view Piece(std::string_view text, std::size_t pos, std::size_t length);
int HexAt(std::string_view text, std::size_t pos);
// Length fields hold two hexadecimal digits, so they are never negative.
std::size_t CutLength(int lengthField);
Frame Split(std::string_view text, const CodecRules& rules);

} // namespace recordtext
