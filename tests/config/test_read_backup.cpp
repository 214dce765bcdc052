// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "ReadBackup.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

TEST(ReadBackup, KeepsTheNewestCopiesReadableAsDocuments)
{
    IdentityScope scope;
    TempDir dir;
    const std::string folder = dir.File("state/mvconf/backups");
    CData_All data;
    std::set<std::string> saved;
    for (int i = 0; i < 5; ++i) {
        data.cfg.basic.LoudBox = i;
        std::string path, error;
        ASSERT_TRUE(KeepReadBackup(data, folder, "konfiguration", path, error, 3)) << error;
        saved.insert(path);
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

TEST(ReadBackup, AFolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    WriteFileBytes(dir.File("datei"), "");
    std::string path, error;
    EXPECT_FALSE(KeepReadBackup(CData_All(), dir.File("datei/backups"), "telefonbuch", path, error));
    EXPECT_FALSE(error.empty());
}
