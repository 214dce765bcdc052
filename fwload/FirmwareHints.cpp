// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareHints.h"

#include "FirmwareFile.h"

namespace {

constexpr long long kBitsPerByte = 11; // start bit, 8 data bits, 2 stop bits
constexpr long long kBaud = 9600;

std::string About(int seconds)
{
    if (seconds < 60)
        return "ca. " + std::to_string(seconds) + (seconds == 1 ? " Sekunde" : " Sekunden");
    const int minutes = (seconds + 30) / 60;
    return "ca. " + std::to_string(minutes) + (minutes == 1 ? " Minute" : " Minuten");
}

} // namespace

int DownloadSeconds(std::size_t imageBytes)
{
    // Rounded up: a download is never quicker than its line.
    return static_cast<int>((static_cast<long long>(imageBytes) * kBitsPerByte + kBaud - 1) / kBaud);
}

std::string WithFileDuration(std::string_view text, std::size_t imageBytes)
{
    constexpr std::string_view kWholeImage = "ca. 25 Minuten";
    std::string result(text);
    if (const std::size_t at = result.find(kWholeImage); at != std::string::npos)
        result.replace(at, kWholeImage.size(), About(DownloadSeconds(imageBytes)));
    return result;
}

std::string MissingIdentificationHint(const std::string& hexPath)
{
    return "Gesucht wurde die Versionsdatei " + VersionFilePath(hexPath) +
           "; die Intel-Hex-Datei selbst enthält keine vollständige Kennung (Datensätze :02002A00 und :06001000).";
}

std::string HardwareMismatchHint(std::string_view reported, std::string_view fileHardware, bool fileHasRevision)
{
    std::string hint = "Das Telefon meldet \"" + std::string(reported) + "\", die Datei ist für \"" +
                       std::string(fileHardware) + "\".";
    if (!fileHasRevision)
        hint += " Die Versionsdatei nennt keine Revision, mit der sich die gemeldete vergleichen ließe.";
    return hint;
}
