// SPDX-License-Identifier: GPL-3.0-or-later
// What the backups window lists of a folder: our copies only, newest first,
// with what they record, and a reason for each copy that cannot be read.
#include "BackupListing.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Basic(const char* phoneType, const char* firmware)
{
    return std::string("[Basic]\r\nPhoneType=") + phoneType + "\r\nSwVers=" + firmware + "\r\n";
}

} // namespace

TEST(BackupListing, ListsOurCopiesNewestFirstWithWhatTheyRecord)
{
    TempDir dir;
    const std::string folder = dir.File("backups");
    std::filesystem::create_directories(folder + "/20250101-000000-000-gelesen-konfiguration.mv8");
    WriteFileBytes(folder + "/20240131-142501-123-konfiguration.mv8", Basic("QL410", "V3.04"));
    WriteFileBytes(folder + "/20240201-080000-000-gesendet-telefonbuch.mv8",
                   "[DialName_1]\r\nName=Anna\r\n" + Basic("Q410", "V3.20"));
    WriteFileBytes(folder + "/20240301-090000-000-gelesen-konfiguration.mv8", "");
    WriteFileBytes(folder + "/20240401-090000-000-gesendet-konfiguration.mv8", "[Fremd]\r\nx=1\r\n");
    for (const char* foreign : {"notiz.mv8", "20240501-000000-000-gelesen-bild.png", "eigene.txt"})
        WriteFileBytes(folder + "/" + foreign, Basic("QL410", "V9.99"));

    std::string error;
    const std::vector<BackupCopy> copies = ListBackups(folder, error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].problem, "Die Datei enthält keine Einstellungen (leer oder beschädigt).");
    EXPECT_EQ(copies[1].when, "01.03.2024 09:00:00");
    EXPECT_FALSE(copies[1].Readable());

    const BackupCopy& sent = copies[2];
    EXPECT_TRUE(sent.Readable()) << sent.problem;
    EXPECT_EQ(sent.way, BackupWay::Sent);
    EXPECT_EQ(sent.part, BackupPart::PhoneBook);
    EXPECT_EQ(sent.firmware, "V3.20");
    EXPECT_EQ(sent.phoneType, "M850");

    const BackupCopy& old = copies[3]; // named before sent data was kept
    EXPECT_EQ(old.path, folder + "/20240131-142501-123-konfiguration.mv8");
    EXPECT_EQ(old.way, BackupWay::Read);
    EXPECT_EQ(old.part, BackupPart::Configuration);
    EXPECT_EQ(old.when, "31.01.2024 14:25:01");
    EXPECT_EQ(old.phoneType, "MV850");
    EXPECT_EQ(std::string(BackupWayText(old.way)) + " " + BackupPartText(sent.part), "gelesen Telefonbuch");

    // Deleting removes that copy alone, and never a file that is not ours.
    ASSERT_TRUE(DeleteBackup(copies[1], error)) << error;
    BackupCopy foreign = copies[0];
    foreign.path = folder + "/notiz.mv8";
    EXPECT_FALSE(DeleteBackup(foreign, error));
    EXPECT_EQ(ListBackups(folder, error).size(), 3u);
    EXPECT_TRUE(FileExists(folder + "/notiz.mv8"));
}

TEST(BackupListing, AMissingFolderIsAnEmptyListAndAnUnreadableOneSaysSo)
{
    TempDir dir;
    std::string error;
    EXPECT_TRUE(ListBackups(dir.File("noch-nicht"), error).empty());
    EXPECT_EQ(error, "");
    WriteFileBytes(dir.File("datei"), "");
    EXPECT_TRUE(ListBackups(dir.File("datei"), error).empty());
    EXPECT_NE(error.find("kann nicht gelesen werden"), std::string::npos) << error;
}
