// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Document text is Windows-1252 bytes; the windows show Unicode. These two
// convert at that boundary and nowhere else.
#include <QString>

#include <string>

QString FromCp1252(const std::string& bytes);
// Characters Windows-1252 cannot hold become "?"; *lossless tells whether any did.
std::string ToCp1252(const QString& text, bool* lossless = nullptr);
