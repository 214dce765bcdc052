// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace recordtext {

std::string Hex2Bits(unsigned long long value, bool upper)
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, upper ? "%02llX" : "%02llx", value);
    return buffer;
}

std::string TextBody(std::string_view text)
{
    return Hex2(text.size()) + std::string(text);
}

std::string Record(int type, int number, std::string_view address2, std::string_view body)
{
    return ":" + Hex2(type, true) + Hex2(number) + std::string(address2) + std::string(body);
}

std::string_view Piece(std::string_view text, std::size_t pos, std::size_t length)
{
    return pos < text.size() ? text.substr(pos, length) : std::string_view{};
}

int HexAt(std::string_view text, std::size_t pos)
{
    return HexToInt(Piece(text, pos, 2));
}

std::size_t CutLength(int lengthField)
{
    return std::min(static_cast<std::size_t>(lengthField), kMaxData);
}

Frame Split(std::string_view text, const CodecRules& rules)
{
    const std::size_t length = CutLength(HexAt(text, 7));
    return {text, HexAt(text, 1), HexAt(text, 3), HexAt(text, 5), length, Piece(text, 9, length), rules};
}

} // namespace recordtext

int HexToInt(std::string_view text)
{
    // Unsigned so that a long run of digits wraps instead of overflowing.
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= 0)
            value = value * 16u + static_cast<std::uint32_t>(digit);
    }
    return static_cast<int>(value);
}
