// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Document text is Windows-1252 bytes. The terminal and the windows want
// Unicode; these are the code points of the code page and UTF-8 built on them.
#include <string>
#include <string_view>

// The Unicode code point of one Windows-1252 byte; bytes the code page leaves
// undefined keep their C1 control code.
char16_t Cp1252ToUnicode(unsigned char byte);

std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 byte of a code point, or -1 when the code page lacks it.
int UnicodeToCp1252(char32_t c);
