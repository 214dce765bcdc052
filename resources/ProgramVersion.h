// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version of this build (the one the build system and the package carry)
// and the licence, as both programs name them in --version and their about boxes.
#include <string>
#include <string_view>

// The project's version, for example "0.1".
extern const char* const kProjectVersion;
// One line naming the licence.
extern const char* const kLicenceLine;

// What --version prints: "<program> <version>", the copyright and the licence.
std::string VersionText(std::string_view program);
