// SPDX-License-Identifier: GPL-3.0-or-later
// A firmware file of arbitrary content: the record check of the whole file,
// the image built from the hex text, its lines handed out as a download
// takes them, the version file's check, and the whole load from files.
//
// Input: one byte of choices, the version file's text up to the first NUL
// byte, then the hex file's text.
#include "CChangeToIntel.h"
#include "FirmwareFile.h"
#include "FuzzSupport.h"
#include "HexRecordCheck.h"

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
        if (line.find('\n') != line.size() - 1 || line == "\n")
            FuzzFail("a handed-out line is empty, lacks its line feed or holds one inside");
        // Only record lines are repeated: lines beyond the count of records
        // (text without ":") are handed out once.
        if (((repeats >> (n % 8)) & 1) && image.CurrentLine() <= image.LineCount() &&
            image.GetLine(image.CurrentLine()) != line)
            FuzzFail("the repeat of a line differs");
    }
}

// What passed the check goes out as it was checked: records only, the end
// record last, every one within the download's line length.
void CheckLoadedImage(CChangeToIntel& image)
{
    std::string last;
    unsigned lines = 0;
    image.GetLine(0); // the protocol's first number hands out the first line twice
    for (unsigned n = 1;; ++n) {
        const std::string line = image.GetLine(n);
        if (line.empty())
            break;
        if (line[0] != ':' || line.size() > CChangeToIntel::kMaxLineLength)
            FuzzFail("a checked image hands out a line that is no record or too long");
        last = line;
        ++lines;
    }
    if (lines != image.LineCount() || last.size() < 11 || last.compare(7, 2, "01") != 0)
        FuzzFail("a checked image loses records or does not end with its end record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t choices = in.Byte();
    const std::string_view versionText = in.Field();
    const std::string_view hex = in.Rest();

    const HexFileFault fault = CheckHexRecords(hex);
    if ((fault.kind == HexFileFault::Kind::None) != fault.reason.empty())
        FuzzFail("a fault without its reason, or a reason without a fault");

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
    if (result.ok && fault.kind != HexFileFault::Kind::None)
        FuzzFail("a file with a faulty record was loaded");
    if (result.ok)
        CheckLoadedImage(loaded);
    return 0;
}
