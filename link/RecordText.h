// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces record frames are made of and read from: two-digit hexadecimal
// fields, length-prefixed texts, and the header of a received frame.
#include "Derivat.h"
#include "RecordCodec.h"

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace recordtext {

inline constexpr std::size_t kMaxData = 20;

std::string Hex2Bits(unsigned long long value, bool upper);
// Any integer, whatever width size_t or long has on the platform: a
// negative one as the bits of its own width ("%02x" of an int: 32 bits).
template <std::integral T>
std::string Hex2(T value, bool upper = false)
{
    return Hex2Bits(static_cast<std::make_unsigned_t<T>>(value), upper);
}
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
