// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareFile.h"

#include "FileCalls.h"
#include "FileErrorText.h"
#include "FirmwareHints.h"
#include "FwStrings.h"
#include "HexRecordCheck.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// Telephone images are a few hundred kilobytes; a bigger file is not one of
// them, and reading it whole would only tie up memory.
constexpr std::size_t kMaxHexFileBytes = 16u << 20;
// A version file is three short lines; anything this big is not one.
constexpr std::size_t kVersionFileLimit = 100;
constexpr std::size_t kVersionLines = 3;
constexpr std::size_t kVersionTextLength = 5;

FirmwareLoadResult Success()
{
    return {true, 0, 0, {}};
}

// Every file problem but the checksum is shown under the caption of the open error.
FirmwareLoadResult Failure(int textId, std::string detail = {})
{
    return {false, textId, IDS_FW_TEXT_OPEN_FAILED, std::move(detail)};
}

// Without blocking on a pipe or a device that merely has the file's name.
FileRead ReadFirmwareFile(const std::string& path, std::size_t maxBytes, std::string& text)
{
    return ReadFileCapped(path, maxBytes, text, true);
}

std::string ReadFailureText(const std::string& path, const FileRead& read)
{
    if (read.outcome == ReadOutcome::TooLarge)
        return "Die Datei \"" + path + "\" ist größer als 16 MiB und damit keine Firmware des Telefons.";
    const std::string reason = read.outcome == ReadOutcome::NotAFile ? std::string("das ist keine gewöhnliche Datei")
                                                                      : FileErrorReason(read.errorNumber);
    return FileErrorMessage(path, "gelesen werden", reason);
}

// Up to count lines without their CR LF or LF; the last one may lack its break.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < count) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
    }
    return lines;
}

// A decimal integer at the start of the line; what follows it does not count.
bool ParseInteger(std::string_view line, int& value)
{
    while (line.starts_with(' '))
        line.remove_prefix(1);
    if (line.starts_with('+'))
        line.remove_prefix(1);
    return std::from_chars(line.data(), line.data() + line.size(), value).ec == std::errc{};
}

// The number a version text starts with, after blanks and a plus sign.
bool ParseVersion(std::string_view text, double& value)
{
    while (text.starts_with(' ') || text.starts_with('\t'))
        text.remove_prefix(1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc{};
}

void IdentityFromImage(const CChangeToIntel& image, FirmwareIdentity& identity)
{
    identity.fileHardware = image.HardwareType() + image.Revision();
    identity.fileVersionText = "V" + image.Version();
    identity.fileVersion = VersionValue(image.Version());
}

FirmwareLoadResult ReadAndConvert(const std::string& hexPath, CChangeToIntel& image, FirmwareIdentity& identity)
{
    std::string hex;
    if (const FileRead read = ReadFirmwareFile(hexPath, kMaxHexFileBytes, hex); read.outcome != ReadOutcome::Read)
        return Failure(IDS_FW_TEXT_OPEN_FAILED, ReadFailureText(hexPath, read) + "\nBitte geben Sie eine lesbare "
                                                                                  "Intel-Hex-Datei an.");
    if (const HexFileFault fault = CheckHexRecords(hex); fault.kind != HexFileFault::Kind::None)
        return Failure(fault.kind == HexFileFault::Kind::LineTooLong ? IDS_FW_TEXT_LINE_TOO_LONG
                                                                      : IDS_FW_TEXT_BAD_RECORD,
                       fault.reason);
    const std::string versionPath = VersionFilePath(hexPath);
    std::string versionText;
    const FileRead version = ReadFirmwareFile(versionPath, kVersionFileLimit - 1, versionText);
    if (version.outcome == ReadOutcome::TooLarge)
        return Failure(IDS_FW_TEXT_VERSION_FILE_BAD);
    // One that is there but unreadable must not give way to the records.
    if (version.outcome != ReadOutcome::Read && version.outcome != ReadOutcome::Missing)
        return Failure(IDS_FW_TEXT_VERSION_FILE, ReadFailureText(versionPath, version));
    const bool hasVersionFile = version.outcome == ReadOutcome::Read;
    // With a version file the identification comes from it, not from the records.
    const int found = image.Convert(hex, hasVersionFile ? 0 : 1);
    if (hasVersionFile)
        return CheckVersionFile(versionText, identity);
    if (found != 1)
        return Failure(IDS_FW_TEXT_VERSION_FILE, MissingIdentificationHint(hexPath));
    IdentityFromImage(image, identity);
    return Success();
}

} // namespace

int BuildCheckSum(std::string_view text)
{
    int sum = 0;
    for (const char c : text)
        sum += static_cast<signed char>(c);
    return sum;
}

double VersionValue(std::string_view text)
{
    double value = 0;
    return ParseVersion(text, value) ? value : 0;
}

std::string VersionFilePath(const std::string& hexPath)
{
    const std::size_t keep = hexPath.size() - std::min<std::size_t>(3, hexPath.size());
    return hexPath.substr(0, keep) + "ver";
}

FirmwareLoadResult CheckVersionFile(std::string_view text, FirmwareIdentity& identity)
{
    if (text.size() >= kVersionFileLimit)
        return Failure(IDS_FW_TEXT_VERSION_FILE_BAD);
    const auto lines = SplitLines(text, kVersionLines);
    const FirmwareLoadResult wrongData{false, IDS_FW_TEXT_CHECKSUM, IDS_FW_CAPTION_CHECKSUM, {}};
    // Without a version number or a sum the check cannot succeed: the file
    // holds wrong data, as when the sum does not match.
    int expectedSum = 0;
    double version = 0;
    if (lines.size() < kVersionLines || lines[1].size() < 2 || !ParseInteger(lines[2], expectedSum) ||
        !ParseVersion(lines[1].substr(1, kVersionTextLength - 1), version))
        return wrongData;
    const std::string_view hardware = lines[0];
    const std::string_view versionLine = lines[1];
    const int sum = BuildCheckSum(versionLine) + BuildCheckSum(hardware) + 2 * static_cast<signed char>(versionLine[1]);
    if (sum != expectedSum)
        return wrongData;
    identity.fileHardware = hardware;
    identity.fileVersionText = versionLine.substr(0, kVersionTextLength);
    identity.fileVersion = version;
    identity.expectedSum = expectedSum;
    return Success();
}

FirmwareLoadResult LoadFirmware(const std::string& hexPath, CChangeToIntel& image, FirmwareIdentity& identity)
{
    identity = {};
    const FirmwareLoadResult result = ReadAndConvert(hexPath, image, identity);
    if (!result.ok) {
        // Nothing half loaded may reach the START button.
        image.Clear();
        identity = {};
    }
    return result;
}
