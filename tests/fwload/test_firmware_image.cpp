// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChangeToIntel.h"
#include "FirmwareFile.h"
#include "FwStrings.h"
#include "HexRecordCheck.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kRevision01 = HexRecord("02002A003031") + "\r\n";
const std::string kEnd = ":00000001FF\r\n";

// Version 1.25 of the hardware given by its code character.
std::string VersionRecord(char hardwareCode)
{
    return HexRecord(std::string("0600100031003235003") + hardwareCode) + "\r\n";
}

// A data record that is length characters long on the wire (an even number).
std::string RecordOfLength(std::size_t length)
{
    char count[24];
    std::snprintf(count, sizeof count, "%02zX", (length - 12) / 2);
    return HexRecord(count + std::string("010000") + std::string(length - 12, '0')) + "\r\n";
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
    // Empty lines are not sent, and the last line gets the line feed the telephone waits for.
    for (const std::string text : {":1000AB\r\n:01FF\r\n:02", ":1000AB\n:01FF\n:02\n", ": 10 00 AB \n\n \r\n:01FF\n:02\r\n\r\n"}) {
        CChangeToIntel image;
        EXPECT_EQ(image.Convert(text, 0), 1);
        EXPECT_EQ(image.LineCount(), 3u);
        EXPECT_EQ(image.LongestLine(), 8u);
        EXPECT_EQ(image.ImageLength(), 18u);
        for (int pass = 0; pass < 2; ++pass, image.Rewind())
            EXPECT_EQ(Take(image, {0, 1, 2, 2, 3, 4}), ":1000AB\n|:1000AB\n|:01FF\n|:01FF\n|:02\n||") << text;
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
        {RecordOfLength(98) + kEnd, kVersionFile, 0},
        {RecordOfLength(100) + kEnd, kVersionFile, IDS_FW_TEXT_LINE_TOO_LONG},
        {RecordOfLength(100) + kEnd, "", IDS_FW_TEXT_LINE_TOO_LONG},
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
}

TEST(HexRecordCheck, FirstBadLineIsNamedWithItsReason)
{
    const std::string end = ":00000001ff\n"; // lower case is hex as well
    const struct { std::string text; std::string reason; } cases[] = {
        {"\r\n: 02 00 2A 00 30 31 73\r\n\r\n   \r\n" + end + "\r\n", ""},
        {kRevision01 + ":00000001FF", ""}, // the last line needs no line feed
        {kRevision01 + ":02002A003031C3\r\n" + end, "Zeile 2: Prüfsumme C3, erwartet 73"},
        {"x02002A00303173\n" + end, "Zeile 1: beginnt mit \"x\" statt mit \":\""},
        {":02002A0030G173\n" + end, "Zeile 1: \"G\" ist keine Hexziffer"},
        {":02002A00\t303173\n" + end, "Zeile 1: das Byte 09 ist keine Hexziffer"},
        {":0200\n" + end, "Zeile 1: zu kurz für einen Datensatz (5 Zeichen, mindestens 11)"},
        {":03002A00303173\n" + end, "Zeile 1: Längenbyte 03 verlangt 17 Zeichen, die Zeile hat 15"},
        {RecordOfLength(100) + end, "Zeile 1: 100 Zeichen mit dem Zeilenende, höchstens 99 sind möglich"},
        {end + "\n" + end, "Zeile 3: steht hinter dem Ende-Datensatz in Zeile 1"},
        {kRevision01, "Der Ende-Datensatz (:00000001FF) fehlt, die Datei ist also unvollständig"},
        {"", "Der Ende-Datensatz (:00000001FF) fehlt, die Datei ist also unvollständig"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckHexRecords(c.text).reason, c.reason) << c.text;

    // A damaged file is refused as a whole, with or without a version file.
    const Loaded damaged = Load(kRevision01 + ":02002A003031C3\r\n" + kEnd, kVersionFile);
    EXPECT_EQ(damaged.result.textId, IDS_FW_TEXT_BAD_RECORD);
    EXPECT_EQ(damaged.result.detail, "Zeile 2: Prüfsumme C3, erwartet 73");
    EXPECT_EQ(damaged.image.LineCount(), 0u);
}

TEST(LoadFirmware, AFileThatCannotBeReadIsNamedWithTheReason)
{
    TempDir dir;
    const std::string hex = dir.File("a.hex");
    std::filesystem::create_directory(dir.File("ordner.hex"));
    const struct { std::string path; std::string reason; } cases[] = {
        {dir.File("weg.hex"), "Datei oder Ordner nicht vorhanden"},
        {dir.File("ordner.hex"), "das ist ein Ordner"},
    };
    for (const auto& c : cases) {
        CChangeToIntel image;
        FirmwareIdentity identity;
        const FirmwareLoadResult result = LoadFirmware(c.path, image, identity);
        EXPECT_EQ(std::pair(result.textId, result.captionId), std::pair(61204, 61204));
        EXPECT_EQ(result.detail, "Die Datei \"" + c.path + "\" kann nicht gelesen werden: " + c.reason +
                                     ".\nBitte geben Sie eine lesbare Intel-Hex-Datei an.");
    }
    // A version file that is there but cannot be read does not give way to the records.
    WriteFileBytes(hex, kIdentified);
    std::filesystem::create_directory(dir.File("a.ver"));
    CChangeToIntel image;
    FirmwareIdentity identity;
    const FirmwareLoadResult result = LoadFirmware(hex, image, identity);
    EXPECT_EQ(result.textId, IDS_FW_TEXT_VERSION_FILE);
    EXPECT_EQ(result.detail, "Die Datei \"" + dir.File("a.ver") + "\" kann nicht gelesen werden: das ist ein Ordner.");
}

} // namespace
