// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import reads Windows-1252 text whose lines end in a carriage return,
// as Windows programs write it. Files from other systems often end their
// lines in a line feed alone (the import then sees one single line) or are
// UTF-8 (umlauts and ß then do not arrive). This tells the user so, with
// the one command that converts such a file.
#include <string>
#include <string_view>

// What is wrong with the text for the import and how to convert it (UTF-8);
// empty when its line ends and characters are as the import expects.
std::string ImportTextHint(std::string_view bytes, const std::string& path);

// The same for the file at path; empty when it cannot be read.
std::string ImportFileHint(const std::string& path);
