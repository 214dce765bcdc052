// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages about failed file operations, worded for users in German. Unlike
// the document's text they are UTF-8: they carry file names, which are UTF-8
// on this system, and go to the terminal or the windows as they are.
#include <string>
#include <string_view>

// Why a file operation failed, from its errno value, e.g. "Zugriff verweigert".
std::string FileErrorReason(int errorNumber);

// "Die Datei \"<path>\" kann nicht <action>: <reason>."
std::string FileErrorMessage(std::string_view path, std::string_view action, std::string_view reason);
