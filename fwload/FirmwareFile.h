// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a firmware file for a download: the hex file, its optional
// version file ("<name>.ver") and the identification they give.
#include "CChangeToIntel.h"

#include <string>
#include <string_view>

struct FirmwareIdentity {
    std::string fileHardware;    // compared with the telephone's report
    std::string fileVersionText; // shown: "V1.25"
    double fileVersion = 0;      // compared with the telephone's version
    int expectedSum = 0;         // from the version file
};

// How a load ended; a failure names the message (and caption) to show.
struct FirmwareLoadResult {
    bool ok = false;
    int textId = 0;
    int captionId = 0;
    // What the fixed text cannot say (UTF-8): the file and why it cannot be
    // read, the line at fault, the version file looked for. May be empty.
    std::string detail;
};

// Sum of the character codes, each taken as a signed 8-bit value.
int BuildCheckSum(std::string_view text);

// The numeric value a version text starts with ("1.25" -> 1.25), 0 when it
// starts with none; leading blanks are skipped. Independent of the locale.
double VersionValue(std::string_view text);

// The version file's path: the hex file's path with its last three characters replaced by "ver".
std::string VersionFilePath(const std::string& hexPath);

// Checks a version file's text (three lines). On success fills the identity's
// hardware, version text, version and expected sum.
FirmwareLoadResult CheckVersionFile(std::string_view text, FirmwareIdentity& identity);

// Reads the hex file (and its version file when there is one) into image and
// identity. The image is empty after any failure. Messages: 61204 the hex
// file cannot be read; 61220 a line too long for the download; 61222 a
// damaged record, a missing end record or text after it; 61205 no
// identification (no version file) or a version file that cannot be read;
// 117/116 a version file whose sum fails (also for a missing, empty or
// non-numeric version or sum line); 61221 a version file of 100 bytes or more.
FirmwareLoadResult LoadFirmware(const std::string& hexPath, CChangeToIntel& image, FirmwareIdentity& identity);
