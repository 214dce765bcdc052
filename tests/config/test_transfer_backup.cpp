// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "TestSupport.h"
#include "TransferBackup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

} // namespace

TEST(TransferBackup, KeepsTheNewestCopiesReadableAsDocuments)
{
    IdentityScope scope;
    TempDir dir;
    const std::string folder = dir.File("state/mvconf/backups");
    CData_All data;
    std::set<std::string> saved;
    for (int i = 0; i < 5; ++i) {
        data.cfg.basic.LoudBox = i;
        const BackupResult kept = KeepTransferBackup(data, BackupPart::Configuration, BackupWay::Read, folder, 3);
        ASSERT_TRUE(kept.kept) << kept.error;
        EXPECT_TRUE(kept.path.ends_with("-gelesen-konfiguration.mv8")) << kept.path;
        EXPECT_EQ(BackupNotice(kept), "Sicherungskopie der gelesenen Daten: " + kept.path);
        saved.insert(kept.path);
    }
    std::set<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        left.insert(e.path().string());
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left, std::set<std::string>(std::next(saved.begin(), 2), saved.end()));

    CProfileFile newest;
    std::string error;
    ASSERT_EQ(newest.Load(*left.rbegin(), error), CProfileFile::LoadStatus::Loaded);
    EXPECT_EQ(newest.GetString("Basic", "LoudBox"), "4");
}

// Reads and writes are pruned each on their own; copies named before sent
// data was kept count as reads, and files of anyone else stay.
TEST(TransferBackup, PruningKeepsEachWayApartAndLeavesOtherFiles)
{
    IdentityScope scope;
    TempDir dir;
    const std::string folder = dir.File("backups");
    const std::string folderNamedLikeACopy = "20200101-000000-000-gelesen-konfiguration.mv8";
    std::filesystem::create_directories(folder + "/" + folderNamedLikeACopy);
    std::set<std::string> foreign = {"notiz.mv8", "20200101-000000-000-gesendet-bild.mv8", "Büro.txt"};
    for (const std::string& name : foreign)
        WriteFileBytes(folder + "/" + name, "x");
    foreign.insert(folderNamedLikeACopy);
    WriteFileBytes(folder + "/20200101-000000-000-konfiguration.mv8", "[Basic]\r\n");

    std::set<std::string> sent;
    for (int i = 0; i < 3; ++i) {
        const BackupResult kept = KeepTransferBackup(CData_All(), BackupPart::PhoneBook, BackupWay::Sent, folder, 2);
        ASSERT_TRUE(kept.kept) << kept.error;
        EXPECT_TRUE(kept.path.ends_with("-gesendet-telefonbuch.mv8")) << kept.path;
        sent.insert(std::filesystem::path(kept.path).filename().string());
    }
    EXPECT_EQ(BackupNotice({.kept = true, .way = BackupWay::Sent, .path = "p", .error = ""}),
              "Sicherungskopie der gesendeten Daten: p");
    const std::string read = std::filesystem::path(
        KeepTransferBackup(CData_All(), BackupPart::Configuration, BackupWay::Read, folder, 1).path).filename();

    std::set<std::string> expected = foreign;
    expected.insert(std::next(sent.begin()), sent.end());
    expected.insert(read); // the old-style read copy went
    EXPECT_EQ(FilesIn(folder), expected);

    EXPECT_EQ(ParseBackupName("20240131-142501-123-konfiguration.mv8")->way, BackupWay::Read);
    EXPECT_EQ(ParseBackupName("20240131-142501-123-gesendet-telefonbuch.mv8")->part, BackupPart::PhoneBook);
    for (const char* name : {"20240131-142501-12-konfiguration.mv8", "2024013a-142501-123-konfiguration.mv8",
                             "20240131-142501-123-gelesen-gesendet-konfiguration.mv8",
                             "20240131-142501-123-konfiguration.mv8~"})
        EXPECT_FALSE(ParseBackupName(name)) << name;
}

TEST(TransferBackup, AFolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    WriteFileBytes(dir.File("datei"), "");
    const BackupResult failed =
        KeepTransferBackup(CData_All(), BackupPart::PhoneBook, BackupWay::Sent, dir.File("datei/backups"));
    EXPECT_FALSE(failed.kept);
    EXPECT_TRUE(failed.Tried());
    EXPECT_TRUE(BackupNotice(failed).starts_with("Keine Sicherungskopie der gesendeten Daten angelegt: Die Datei"));
}
