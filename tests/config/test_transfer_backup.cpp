// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "TestSupport.h"
#include "TransferBackup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

// A copy of an empty document as the shipped build writes it.
BackupResult KeepEmpty(BackupPart part, BackupWay way, const std::string& folder, int keep = 50)
{
    return KeepTransferBackup(CData_All(), TestSwitches(), part, way, folder, keep);
}

} // namespace

TEST(TransferBackup, KeepsTheNewestCopiesReadableAsDocuments)
{
    const CDerivat switches = TestSwitches();
    TempDir dir;
    const std::string folder = dir.File("state/mvconf/backups");
    CData_All data;
    std::set<std::string> saved;
    for (int i = 0; i < 5; ++i) {
        data.cfg.basic.LoudBox = i;
        const BackupResult kept =
            KeepTransferBackup(data, switches, BackupPart::Configuration, BackupWay::Read, folder, 3);
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

// Each kind (way and part) is pruned on its own, so many copies of one kind
// never push out another; copies named before sent data was kept count as
// reads, and nothing else in the folder is touched.
TEST(TransferBackup, PruningKeepsEachKindApartAndLeavesOtherFiles)
{
    TempDir dir;
    const std::string folder = dir.File("backups");
    const std::string oldRead = folder + "/20200101-000000-000-konfiguration.mv8";
    const std::string likeACopy = folder + "/20200101-000000-000-gelesen-konfiguration.mv8";
    std::filesystem::create_directories(likeACopy);
    WriteFileBytes(oldRead, "");
    WriteFileBytes(folder + "/notiz.mv8", "");
    std::vector<std::string> sent;
    for (int i = 0; i < 3; ++i)
        sent.push_back(KeepEmpty(BackupPart::PhoneBook, BackupWay::Sent, folder, 2).path);
    EXPECT_TRUE(sent[2].ends_with("-gesendet-telefonbuch.mv8")) << sent[2];
    const BackupResult beforeImport =
        KeepEmpty(BackupPart::PhoneBook, BackupWay::BeforeImport, folder, 1);
    EXPECT_TRUE(beforeImport.path.ends_with("-vor-import-telefonbuch.mv8")) << beforeImport.path;
    EXPECT_EQ(BackupNotice(beforeImport), "Sicherungskopie des Dokuments vor dem Import: " + beforeImport.path);
    std::string configSent;
    for (int i = 0; i < 3; ++i)
        configSent = KeepEmpty(BackupPart::Configuration, BackupWay::Sent, folder, 1).path;
    const std::string read =
        KeepEmpty(BackupPart::Configuration, BackupWay::Read, folder, 1).path;
    EXPECT_FALSE(FileExists(sent[0]));
    EXPECT_FALSE(FileExists(oldRead));
    for (const std::string& left :
         {sent[1], sent[2], beforeImport.path, configSent, read, folder + "/notiz.mv8", likeACopy})
        EXPECT_TRUE(std::filesystem::exists(left)) << left;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 7);
}

TEST(TransferBackup, AFolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    WriteFileBytes(dir.File("datei"), "");
    const BackupResult failed =
        KeepEmpty(BackupPart::PhoneBook, BackupWay::Sent, dir.File("datei/backups"));
    EXPECT_FALSE(failed.kept);
    EXPECT_TRUE(failed.Tried());
    EXPECT_TRUE(BackupNotice(failed).starts_with("Keine Sicherungskopie der gesendeten Daten angelegt: Die Datei"));
}
