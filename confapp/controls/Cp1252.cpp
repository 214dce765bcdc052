// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined (kept as the C1 code).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char16_t ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0)
        return kHigh[byte - 0x80];
    return byte;
}

bool ToByte(char16_t c, char& byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c || (kHigh[i] == 0 && c == 0x80 + i)) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

QString FromCp1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::string ToCp1252(const QString& text, bool* lossless)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    bool allKept = true;
    for (const QChar c : text) {
        char byte = '?';
        if (!ToByte(c.unicode(), byte)) {
            byte = '?';
            allKept = false;
        }
        bytes.push_back(byte);
    }
    if (lossless)
        *lossless = allKept;
    return bytes;
}
