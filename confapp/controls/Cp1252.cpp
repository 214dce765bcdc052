// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include "Cp1252Text.h"

namespace {

bool ToByte(char16_t c, char& byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (int b = 0x80; b <= 0x9F; ++b) {
        if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == c) {
            byte = static_cast<char>(b);
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
        text.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(byte))));
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
