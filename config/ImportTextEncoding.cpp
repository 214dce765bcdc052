// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportTextEncoding.h"

#include "Cp1252Text.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The letter each code point of a block is a variant of, taken from its
// Unicode name ("LATIN SMALL LETTER C WITH ACUTE" is c); '~' where there is
// none, or where Windows-1252 has the character itself.
struct LetterBlock {
    char32_t first;
    std::string_view letters;
};
constexpr std::array<LetterBlock, 2> kLetterBlocks = {{
    {0x0100, // Latin Extended-A and -B
     "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi~~JjKkkLlLlLlL"
     "lLlNnNnNnnNnOoOoOo~~RrRrRrSsSsSs~~TtTtTtUuUuUuUuUuUuWwYy~ZzZz~~s"
     "bBBb~~~Cc~DDd~~~~F~G~~~IKkl~~NnOOo~~Pp~~~~~tTtTUu~VYyZz~~~~~~~~~"
     "~~~~~~~~~~~~~AaIiOoUuUuUuUuUu~AaAa~~GgGgKkOoOo~~j~~~Gg~~NnAa~~Oo"
     "AaAaEeEeIiIiOoOoRrRrUuUuSsTt~~HhNd~~ZzAaEeOoOoOoOoYylnt~~~ACcLTs"
     "z~~B~~EeJj~qRrYy"},
    {0x1E00, // Latin Extended Additional, Vietnamese among them
     "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
     "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
     "WwWwWwWwWwXxXxYyZzZzZzhtwya~~~~~AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
     "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy~~~~Yy"},
}};

// Ligatures and digraphs, and the punctuation Windows-1252 has a near form
// of: dashes and quotes as the code page writes them, other spaces as blanks.
struct Nearest {
    char32_t c;
    std::string_view text;
};
constexpr Nearest kNearest[] = {
    {0x0132, "IJ"}, {0x0133, "ij"}, {0x01C4, "D\x8E"}, {0x01C5, "D\x9E"}, {0x01C6, "d\x9E"}, {0x01C7, "LJ"},
    {0x01C8, "Lj"}, {0x01C9, "lj"}, {0x01CA, "NJ"}, {0x01CB, "Nj"}, {0x01CC, "nj"}, {0x01E2, "\xC6"},
    {0x01E3, "\xE6"}, {0x01F1, "DZ"}, {0x01F2, "Dz"}, {0x01F3, "dz"}, {0x01FC, "\xC6"}, {0x01FD, "\xE6"},
    {0x1E9E, "\xDF"}, {0x2010, "-"}, {0x2011, "-"}, {0x2012, "-"}, {0x2015, "\x97"}, {0x201B, "\x91"},
    {0x201F, "\x93"}, {0x2032, "'"}, {0x2033, "\""}, {0x2212, "-"},
};

bool IsSpace(char32_t c)
{
    return (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Empty when nothing in Windows-1252 comes near.
std::string_view NearestText(char32_t c)
{
    static const std::string kAscii = [] {
        std::string ascii;
        for (int b = 0; b < 0x80; ++b)
            ascii.push_back(static_cast<char>(b));
        return ascii;
    }();
    for (const LetterBlock& block : kLetterBlocks)
        if (c >= block.first && c - block.first < block.letters.size() && block.letters[c - block.first] != '~')
            return block.letters.substr(c - block.first, 1);
    const auto* found = std::find_if(std::begin(kNearest), std::end(kNearest), [c](const Nearest& n) { return n.c == c; });
    if (found != std::end(kNearest))
        return found->text;
    if (IsSpace(c))
        return " ";
    if (c >= 0xFF01 && c <= 0xFF5E) // full-width forms of ASCII
        return std::string_view(kAscii).substr(c - 0xFEE0, 1);
    return {};
}

// Decodes the sequence at bytes[i] and moves i past it; false when it is no
// well-formed UTF-8.
bool NextCodePoint(std::string_view bytes, std::size_t& i, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                      : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > bytes.size())
        return false;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return false;
    i += length;
    return true;
}

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    char32_t c = 0;
    for (std::size_t i = 0; i < bytes.size();)
        if (!NextCodePoint(bytes, i, c))
            return false;
    return true;
}

ImportText ImportTextToCp1252(std::string_view fileBytes)
{
    ImportText text;
    const bool marked = fileBytes.starts_with(kByteOrderMark);
    const std::string_view body = marked ? fileBytes.substr(kByteOrderMark.size()) : fileBytes;
    if ((!marked && IsAscii(body)) || !IsValidUtf8(body)) {
        text.bytes = fileBytes;
        return text;
    }
    text.fromUtf8 = true;
    text.bytes.reserve(body.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < body.size();) {
        NextCodePoint(body, i, c);
        if (const int byte = UnicodeToCp1252(c); byte >= 0) {
            text.bytes.push_back(static_cast<char>(byte));
        } else if (const std::string_view nearest = NearestText(c); !nearest.empty()) {
            text.bytes += nearest;
            ++text.replaced;
        } else {
            ++text.dropped;
        }
    }
    return text;
}
