// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "TestSupport.h"
#include "TransferBackup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

TEST(TransferBackup, KeepsTheNewestCopiesReadableAsDocuments)
{
    IdentityScope scope;
    TempDir dir;
    const std::string folder = dir.File("state/mvconf/backups");
    CData_All data;
    std::set<std::string> saved;
    for (int i = 0; i < 5; ++i) {
        data.cfg.basic.LoudBox = i;
        const BackupResult kept = KeepTransferBackup(data, BackupPart::Configuration, folder, 3);
        ASSERT_TRUE(kept.kept) << kept.error;
        EXPECT_TRUE(kept.path.ends_with("-konfiguration.mv8")) << kept.path;
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

TEST(TransferBackup, AFolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    WriteFileBytes(dir.File("datei"), "");
    const BackupResult failed = KeepTransferBackup(CData_All(), BackupPart::PhoneBook, dir.File("datei/backups"));
    EXPECT_FALSE(failed.kept);
    EXPECT_TRUE(failed.Tried());
    EXPECT_TRUE(BackupNotice(failed).starts_with("Keine Sicherungskopie der gelesenen Daten angelegt: Die Datei"));
}
