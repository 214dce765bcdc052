// SPDX-License-Identifier: GPL-3.0-or-later
// A firmware file of arbitrary content: the image built from the hex text,
// its lines handed out as a download takes them, the version file's check,
// and the whole load from files.
//
// Input: one byte of choices, the version file's text up to the first NUL
// byte, then the hex file's text.
#include "CChangeToIntel.h"
#include "FirmwareFile.h"
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Asks for the lines as the download does (0, 1, 2, ... one per ACK), and
// for some of them the last one again.
void Download(CChangeToIntel& image, std::string_view hex, std::uint8_t repeats)
{
    std::size_t breaks = 0;
    for (const char c : hex)
        breaks += c == '\n';
    for (unsigned n = 0;; ++n) {
        const std::string line = image.GetLine(n);
        if (line.empty())
            break;
        if (n > breaks + 2)
            FuzzFail("more lines handed out than the text has");
        if (line.size() > image.LongestLine() || line.find_first_of("\r ") != std::string::npos)
            FuzzFail("a handed-out line is longer than the longest or not stripped");
        const std::size_t lf = line.find('\n');
        if (lf != std::string::npos && lf != line.size() - 1)
            FuzzFail("a handed-out line holds a line break inside");
        // Only record lines are repeated: lines beyond the count of records
        // (text without ":") are handed out once.
        if (((repeats >> (n % 8)) & 1) && image.CurrentLine() <= image.LineCount() &&
            image.GetLine(image.CurrentLine()) != line)
            FuzzFail("the repeat of a line differs");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t choices = in.Byte();
    const std::string_view versionText = in.Field();
    const std::string_view hex = in.Rest();

    CChangeToIntel image;
    const int checkHardware = choices & 1;
    const int found = image.Convert(hex, checkHardware);
    if (found != 0 && found != 1)
        FuzzFail("Convert answers neither 0 nor 1");
    if (found == 1 && checkHardware == 1 &&
        (image.Revision().empty() || image.Version().empty() || image.HardwareType().empty()))
        FuzzFail("identification reported found but missing");
    Download(image, hex, static_cast<std::uint8_t>(choices >> 1));
    image.Rewind();
    Download(image, hex, 0);

    FirmwareIdentity identity;
    const FirmwareLoadResult checked = CheckVersionFile(versionText, identity);
    if (checked.ok && identity.fileVersionText.size() > 5)
        FuzzFail("version text longer than shown");

    // The load from files, with and without a version file next to the image.
    static const std::string hexPath = FuzzScratchFile("image.hex");
    static const std::string versionPath = VersionFilePath(hexPath);
    FuzzWriteFile(hexPath, hex);
    if (choices & 0x80)
        FuzzWriteFile(versionPath, versionText);
    else
        ::unlink(versionPath.c_str());
    CChangeToIntel loaded;
    FirmwareIdentity loadedIdentity;
    const FirmwareLoadResult result = LoadFirmware(hexPath, loaded, loadedIdentity);
    if (!result.ok && (loaded.LineCount() != 0 || !loaded.GetLine(0).empty()))
        FuzzFail("a failed load leaves an image");
    if (result.ok && loaded.LongestLine() > CChangeToIntel::kMaxLineLength)
        FuzzFail("a loaded image has a line too long for the download");
    return 0;
}
