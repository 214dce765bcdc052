// SPDX-License-Identifier: GPL-3.0-or-later
// fwload --cli end to end: the program against the simulated boot loader on a
// pseudo-terminal, with the image the boot loader kept compared line by line.
#include "ChildProcess.h"
#include "FirmwareHints.h"
#include "FwStrings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Record(int address, int type, const std::string& bytes)
{
    std::vector<int> b{static_cast<int>(bytes.size()), address >> 8, address & 0xFF, type};
    for (const char c : bytes)
        b.push_back(static_cast<unsigned char>(c));
    int sum = 0;
    std::string text = ":";
    char hex[3];
    for (const int value : b) {
        std::snprintf(hex, sizeof hex, "%02X", value);
        text += hex;
        sum += value;
    }
    std::snprintf(hex, sizeof hex, "%02X", (-sum) & 0xFF);
    return text + hex;
}

// Revision "AB", hardware Q410 version 1.25, data records with true checksums, end record.
std::vector<std::string> ImageRecords(int dataRecords)
{
    std::vector<std::string> records{Record(0x2A, 0, "AB"), Record(0x10, 0, std::string("1\0" "25\0" "0", 6))};
    for (int i = 0; i < dataRecords; ++i)
        records.push_back(Record(0x100 + 16 * i, 0, "0123456789abcdef"));
    records.push_back(Record(0, 1, ""));
    return records;
}

std::string Joined(const std::vector<std::string>& lines, const char* end)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

class CliDownload : public ::testing::Test {
protected:
    CliDownload() { WriteFileBytes(dir.File("fw.hex"), Joined(records, "\r\n")); }

    ProcessResult Run(const std::string& device, std::vector<std::string> extra = {})
    {
        std::vector<std::string> argv{FwloadPath(), "--cli", "--device", device, "--file", dir.File("fw.hex")};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return RunProcess(argv, 30000, {"XDG_CONFIG_HOME=" + dir.Path()});
    }
    std::vector<std::string> BootLoader(std::vector<std::string> options)
    {
        options.insert(options.end(), {"--hardware", "Q410", "--revision", "AB", "--sessions", "1",
                                       "--save-image", dir.File("received.txt")});
        return options;
    }
    std::string Received() { return ReadFileBytes(dir.File("received.txt")); }
    std::string Profile() { return ReadFileBytes(dir.File("fwload/fwload.ini")); }

    TempDir dir;
    std::vector<std::string> records = ImageRecords(20);
};

} // namespace

TEST_F(CliDownload, WholeImageArrivesAndTheUnfinishedFlagIsCleared)
{
    SimulatedBootLoader loader(BootLoader({"--report"}));
    const ProcessResult r = Run(loader.Device());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(loader.Wait(5000), 0);
    EXPECT_EQ(Received(), Joined(records, "\n"));
    EXPECT_NE(Profile().find("Active =0\r\n"), std::string::npos) << Profile();
    // What a restart in the dialog would reload.
    EXPECT_NE(Profile().find("LastPath=" + dir.File("fw.hex") + "\r\nLastName=fw.hex\r\n"), std::string::npos);
}

TEST_F(CliDownload, RefusedAndUnansweredLinesAreSentAgainUntilTheImageIsWhole)
{
    // Line 1 refused twice (the repeat must be line 1 again, not line 2), a
    // later line refused once and one acknowledgement lost.
    SimulatedBootLoader loader(
        BootLoader({"--report", "--nak-line", "1", "--nak-times", "2", "--nak-every", "9", "--drop-ack-once", "4"}));
    const ProcessResult r = Run(loader.Device());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    loader.Wait(5000);
    EXPECT_EQ(Received(), Joined(records, "\n"));
}

TEST_F(CliDownload, TheVersionQuestionIsAnsweredYesOnlyWhenAsked)
{
    {
        SimulatedBootLoader newer(BootLoader({"--load-request", "--version", "1.30"}));
        const ProcessResult refused = Run(newer.Device());
        EXPECT_EQ(refused.status, 1) << refused.out << refused.err;
        EXPECT_NE(refused.out.find("Nein"), std::string::npos) << refused.out;
        newer.Wait(5000);
        EXPECT_EQ(Received(), "");
    }
    SimulatedBootLoader newer(BootLoader({"--load-request", "--version", "1.30"}));
    const ProcessResult loaded = Run(newer.Device(), {"--yes"});
    EXPECT_EQ(loaded.status, 0) << loaded.out << loaded.err;
    newer.Wait(5000);
    EXPECT_EQ(Received(), Joined(records, "\n"));
}

TEST_F(CliDownload, UsageFileAndPortErrorsExitWithTwoAndSayWhy)
{
    const ProcessResult noDevice = Run(dir.File("no-such-device"));
    EXPECT_EQ(noDevice.status, 2);
    EXPECT_NE(noDevice.err.find("nicht vorhanden"), std::string::npos) << noDevice.err;

    WriteFileBytes(dir.File("fw.hex"), ":" + std::string(120, '0') + "\r\n");
    const ProcessResult tooLong = Run(dir.File("no-such-device"));
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find("fw.hex"), std::string::npos) << tooLong.err;

    // One spoiled record refuses the whole file before the port is opened.
    records[5].back() = records[5].back() == '0' ? '1' : '0';
    WriteFileBytes(dir.File("fw.hex"), Joined(records, "\r\n"));
    const ProcessResult spoiled = Run(dir.File("no-such-device"));
    EXPECT_EQ(spoiled.status, 2);
    EXPECT_NE(spoiled.err.find("\nZeile 6: Prüfsumme "), std::string::npos) << spoiled.err;
    EXPECT_EQ(spoiled.err.find("nicht vorhanden"), std::string::npos) << spoiled.err;

    WriteFileBytes(dir.File("fw.hex"), ":00000001FF\r\n"); // no identification, no version file
    const ProcessResult unidentified = Run(dir.File("no-such-device"));
    EXPECT_EQ(unidentified.status, 2);
    EXPECT_NE(unidentified.err.find(dir.File("fw.ver")), std::string::npos) << unidentified.err;

    const ProcessResult usage = RunProcess({FwloadPath(), "--cli", "--device", "/dev/null"}, 5000,
                                           {"XDG_CONFIG_HOME=" + dir.Path()});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "fwload: Bitte die Intel-Hex-Datei mit --file angeben.\nMehr dazu: fwload --help\n");
    // An option the program does not know never opens the window.
    const ProcessResult unknown = RunProcess({FwloadPath(), "--frobnicate"}, 5000, {"XDG_CONFIG_HOME=" + dir.Path()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "fwload: Unbekanntes Argument: --frobnicate\nMehr dazu: fwload --help\n");
    const ProcessResult help = RunProcess({FwloadPath(), "-h"}, 5000, {"XDG_CONFIG_HOME=" + dir.Path()});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--file DATEI.hex"), std::string::npos) << help.out;
}

TEST(SampleFirmware, LoadsEndToEndWithItsOwnDurationUpToAHundredPercent)
{
    // 11 bits a byte at 9600 baud, rounded up; a whole telephone image takes the familiar 25 minutes.
    EXPECT_EQ(DownloadSeconds(9600), 11);
    EXPECT_EQ(DownloadSeconds(9601), 12);
    EXPECT_EQ(WithFileDuration(FwString(IDS_FW_TEXT_START_KEYS), 1300000), FwString(IDS_FW_TEXT_START_KEYS));

    TempDir dir;
    // The boot loader's defaults: a load request from a QL410, revision 03, version 1.25.
    SimulatedBootLoader loader({"--sessions", "1", "--save-image", dir.File("received.txt")});
    const std::string hex = SourceFile("tools/sample/beispiel.hex");
    const ProcessResult r = RunProcess({FwloadPath(), "--cli", "--device", loader.Device(), "--file", hex}, 30000,
                                       {"XDG_CONFIG_HOME=" + dir.Path()});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(loader.Wait(5000), 0);
    std::string image = ReadFileBytes(hex);
    std::erase(image, '\r');
    EXPECT_EQ(ReadFileBytes(dir.File("received.txt")), image);
    EXPECT_NE(r.out.find("QL41003 V1.30"), std::string::npos) << r.out; // from the version file
    EXPECT_NE(r.out.find(": " + loader.Device() + "\n"), std::string::npos) << r.out;
    // One duration, this file's.
    EXPECT_NE(r.out.find(WithFileDuration(FwString(IDS_FW_TEXT_START_KEYS), image.size())), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("25 Minuten"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("100 %\n"), std::string::npos) << r.out;
}
