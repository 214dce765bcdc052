// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names are UTF-8 throughout the program. std::filesystem takes a
// narrow name in the system's code page on Windows, so every name crosses
// into and out of it as UTF-8 explicitly; the Win32 calls take UTF-16.
#include <filesystem>
#include <string>
#include <string_view>

inline std::filesystem::path FsPath(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// UTF-8 to UTF-16 and back, for the wide-character calls of Windows. Bytes
// that are no UTF-8 become U+FFFD rather than cutting the name short.
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);
