// SPDX-License-Identifier: GPL-3.0-or-later
// What the backups window lists of a folder: our copies only, newest first,
// with what they record, and a reason for each copy that cannot be read.
#include "BackupListing.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(BackupListing, ListsOurCopiesNewestFirstAndDeletesOnlyThose)
{
    TempDir dir;
    const std::string folder = dir.File("backups");
    std::string error;
    EXPECT_TRUE(ListBackups(folder, error).empty());
    EXPECT_EQ(error, "");

    std::filesystem::create_directories(folder + "/20250101-000000-000-gelesen-konfiguration.mv8");
    WriteFileBytes(folder + "/20240131-142501-123-konfiguration.mv8", "[Basic]\r\nPhoneType=QL410\r\n");
    WriteFileBytes(folder + "/20240201-080000-000-gesendet-telefonbuch.mv8", "[DialName_1]\r\nName=Anna\r\n");
    WriteFileBytes(folder + "/20240301-090000-000-gelesen-konfiguration.mv8", "[Fremd]\r\n");
    WriteFileBytes(folder + "/20240101-000000-000-vor-import-telefonbuch.mv8", "[DialName_1]\r\nName=Alt\r\n");
    for (const char* foreign :
         {"notiz.mv8", "20240501-000000-000-gelesen-bild.mv8", "20240501-000000-konfiguration.mv8"})
        WriteFileBytes(folder + "/" + foreign, "[Basic]\r\nSwVers=V3.20\r\n");

    const std::vector<BackupCopy> copies = ListBackups(folder, error);
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].problem, "Die Datei enthält keine Einstellungen (leer oder beschädigt).");
    EXPECT_EQ(copies[1].way, BackupWay::Sent);
    EXPECT_EQ(copies[1].part, BackupPart::PhoneBook);
    EXPECT_TRUE(copies[1].Readable());
    const BackupCopy& old = copies[2]; // named before sent data was kept
    EXPECT_EQ(old.way, BackupWay::Read);
    EXPECT_EQ(old.when, "31.01.2024 14:25:01");
    EXPECT_EQ(old.phoneType, "MV850");
    EXPECT_EQ(copies[3].way, BackupWay::BeforeImport);
    EXPECT_STREQ(BackupWayText(copies[3].way), "vor Import");

    ASSERT_TRUE(DeleteBackup(copies[0], error)) << error;
    BackupCopy foreign = copies[1];
    foreign.path = folder + "/notiz.mv8";
    EXPECT_FALSE(DeleteBackup(foreign, error));
    EXPECT_EQ(ListBackups(folder, error).size(), 3u);
    EXPECT_TRUE(FileExists(foreign.path));
}
