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

std::string DownloadDurationText(std::size_t imageBytes)
{
    return "Für diese Datei (" + std::to_string(imageBytes) + " Bytes) braucht die Leitung bei 9600 Baud " +
           About(DownloadSeconds(imageBytes)) + ".";
}

std::string MissingIdentificationHint(const std::string& hexPath)
{
    return "Gesucht wurde die Versionsdatei " + VersionFilePath(hexPath) +
           "; die Intel-Hex-Datei selbst enthält keine vollständige Kennung (Datensätze :02002A00 und :06001000).";
}
