// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChangeToIntel.h"
#include "FirmwareFile.h"
#include "FwStrings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kRevision01 = ":02002A003031C3\r\n";
const std::string kEnd = ":00000001FF\r\n";

// Version 1.25 of the hardware given by its code character.
std::string VersionRecord(char hardwareCode)
{
    return std::string(":0600100031003235003") + hardwareCode + "AA\r\n";
}

// A record line that is length characters long on the wire.
std::string RecordOfLength(std::size_t length)
{
    return ":" + std::string(length - 2, '0') + "\r\n";
}

const std::string kVersionFile = "Q41001\r\nV1.25\r\n709\r\n";
const std::string kIdentified = kRevision01 + VersionRecord('0') + kEnd;

struct Loaded {
    FirmwareLoadResult result;
    CChangeToIntel image;
    FirmwareIdentity identity;
};

// Writes a.hex (and a.ver unless versionFile is empty) and loads them.
Loaded Load(const std::string& hex, const std::string& versionFile)
{
    TempDir dir;
    WriteFileBytes(dir.File("a.hex"), hex);
    if (!versionFile.empty())
        WriteFileBytes(dir.File("a.ver"), versionFile);
    Loaded loaded;
    loaded.result = LoadFirmware(dir.File("a.hex"), loaded.image, loaded.identity);
    return loaded;
}

// The lines handed out for the numbers, each followed by "|".
std::string Take(CChangeToIntel& image, std::initializer_list<unsigned> numbers)
{
    std::string lines;
    for (const unsigned n : numbers)
        lines += image.GetLine(n) + "|";
    return lines;
}

// The protocol numbers 0, 1, 2, ...: the first line goes out twice.
TEST(FirmwareImage, OneWireLinePerRecordNumberedAsTheProtocolAsks)
{
    for (const std::string text : {":1000AB\r\n:01FF\r\n:02", ":1000AB\n:01FF\n:02", ": 10 00 AB \n :01FF\n:02"}) {
        CChangeToIntel image;
        EXPECT_EQ(image.Convert(text, 0), 1);
        EXPECT_EQ(image.LineCount(), 3u);
        EXPECT_EQ(image.LongestLine(), 8u);
        for (int pass = 0; pass < 2; ++pass, image.Rewind())
            EXPECT_EQ(Take(image, {0, 1, 2, 2, 3, 4}), ":1000AB\n|:1000AB\n|:01FF\n|:01FF\n|:02||") << text;
    }
}

TEST(FirmwareImage, IdentificationRecords)
{
    TraceCapture trace;
    const struct { char code; const char* hardware; } cases[] = {{'0', "Q410"}, {'1', "QL410"}, {'2', "Q38"}, {'3', ""}};
    for (const auto& c : cases) {
        CChangeToIntel image;
        EXPECT_EQ(image.Convert(kRevision01 + VersionRecord(c.code) + kEnd, 1), *c.hardware ? 1 : 0);
        EXPECT_EQ(image.HardwareType() + "|" + image.Version() + "|" + image.Revision(), c.hardware + std::string("|1.25|01"));
    }
    EXPECT_EQ(trace.Count("CChangeToIntel: wrong HW Type in hex file..."), 1);
    EXPECT_EQ(trace.Count("CChangeToIntel: Start Conversion..."), 4);
    EXPECT_EQ(trace.Count("CChangeToIntel: ...End Conversion"), 4);

    CChangeToIntel image; // the search stops once all three are known
    image.Convert(kRevision01 + kRevision01 + VersionRecord('0') + kRevision01, 1);
    EXPECT_EQ(image.Revision(), "0101");
    image.Convert(kRevision01 + VersionRecord('0'), 0);
    EXPECT_EQ(image.Revision(), "");
}

TEST(VersionFile, ChecksumFormulaSizeAndLines)
{
    const std::string pad(80, 'x'); // 99 bytes in all with the 19 before it
    const struct { std::string text; int textId; } cases[] = {
        {kVersionFile, 0},
        {"Q41001\nV1.25\n709", 0},
        {"Q41001\xE9\r\nV1.25\r\n686\r\nanything", 0}, // character codes count signed
        {"Q41001\xE9\r\nV1.25\r\n942\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nV1.25\r\n708\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nV1.25\r\n709 " + pad, 0},
        {"Q41001\r\nV1.25\r\n709 x" + pad, IDS_FW_TEXT_VERSION_FILE_BAD},
        // A version or sum line that is missing, empty or not a number: the sum fails.
        {"Q41001\r\nV1.25\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nV1.25\r\n\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nV1.25\r\nsum\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nV\r\n611\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\nVx.25\r\n922\r\n", IDS_FW_TEXT_CHECKSUM}, // the sum itself would match
        {"Q41001\r\n\r\n0\r\n", IDS_FW_TEXT_CHECKSUM},
        {"Q41001\r\n", IDS_FW_TEXT_CHECKSUM},
        {"", IDS_FW_TEXT_CHECKSUM},
    };
    for (const auto& c : cases) {
        FirmwareIdentity identity;
        const FirmwareLoadResult result = CheckVersionFile(c.text, identity);
        EXPECT_EQ(result.textId, c.textId) << c.text;
        EXPECT_EQ(result.ok, c.textId == 0) << c.text;
        if (c.textId == IDS_FW_TEXT_CHECKSUM) {
            EXPECT_EQ(result.captionId, IDS_FW_CAPTION_CHECKSUM) << c.text;
        }
    }
    FirmwareIdentity identity;
    CheckVersionFile("Q41001\r\nV1.25beta\r\n1121\r\n", identity);
    EXPECT_EQ(identity.fileHardware + "|" + identity.fileVersionText, "Q41001|V1.25");
    EXPECT_EQ(identity.fileVersion, 1.25);
    EXPECT_EQ(identity.expectedSum, 1121);
}

TEST(LoadFirmware, IdentityMessagesAndLineLength)
{
    EXPECT_EQ(VersionFilePath("/fw/a.hex"), "/fw/a.ver");
    Loaded fromRecords = Load(kIdentified, "");
    EXPECT_TRUE(fromRecords.result.ok);
    EXPECT_EQ(fromRecords.identity.fileHardware + "|" + fromRecords.identity.fileVersionText, "Q41001|V1.25");
    EXPECT_EQ(fromRecords.identity.fileVersion, 1.25);

    const struct { std::string hex; std::string versionFile; int textId; } cases[] = {
        {kRevision01 + VersionRecord('3') + kEnd, "", IDS_FW_TEXT_VERSION_FILE},
        {kRevision01 + VersionRecord('3') + kEnd, kVersionFile, 0},
        {kEnd, "Q41001\r\nV1.25\r\n708\r\n", IDS_FW_TEXT_CHECKSUM},
        {kEnd + RecordOfLength(99), kVersionFile, 0},
        {kEnd + RecordOfLength(100), kVersionFile, IDS_FW_TEXT_LINE_TOO_LONG},
        {kEnd + RecordOfLength(100), "", IDS_FW_TEXT_LINE_TOO_LONG},
        {kEnd, kVersionFile + std::string(100, ' '), IDS_FW_TEXT_VERSION_FILE_BAD},
    };
    for (const auto& c : cases) {
        const Loaded loaded = Load(c.hex, c.versionFile);
        EXPECT_EQ(loaded.result.textId, c.textId) << c.hex;
        if (c.textId != 0) {
            EXPECT_EQ(loaded.result.captionId, c.textId == IDS_FW_TEXT_CHECKSUM ? IDS_FW_CAPTION_CHECKSUM
                                                                                : IDS_FW_TEXT_OPEN_FAILED);
            EXPECT_EQ(loaded.image.LineCount(), 0u);
            EXPECT_EQ(loaded.identity.fileHardware, "");
        }
    }
    CChangeToIntel image;
    FirmwareIdentity identity;
    const FirmwareLoadResult missing = LoadFirmware("/nonexistent/a.hex", image, identity);
    EXPECT_EQ(std::pair(missing.textId, missing.captionId), std::pair(61204, 61204));
}

} // namespace
