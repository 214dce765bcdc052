// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and the user's folders as Windows has them: the read-only
// attribute of a file, and %APPDATA% and %LOCALAPPDATA%.
#include "AtomicFile.h"
#include "PathText.h"
#include "TestSupport.h"
#include "TransferBackup.h"
#include "UserPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

// On Linux the folder decides whether a file can be replaced; on Windows a
// read-only file is never replaced, so the check before a save says so too.
TEST(AtomicFile, AReadOnlyFileIsNeitherReplacedNorOfferedForSaving)
{
    TempDir dir;
    const std::string path = dir.File("doc.mv8");
    WriteFileBytes(path, "old");
    ASSERT_TRUE(::SetFileAttributesW(WideText(path).c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string expected = "Die Datei \"" + path + "\" kann nicht gespeichert werden: Zugriff verweigert.";
    std::string error;
    EXPECT_FALSE(CheckSavable(path, error));
    EXPECT_EQ(error, expected);
    EXPECT_FALSE(WriteFileAtomically(path, "new", error));
    EXPECT_EQ(error, expected);
    ::SetFileAttributesW(WideText(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FsPath(dir.Path())), {}), 1);
}

class UserFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_roaming = m_dir.Path() + "\\Roaming \xC3\xA4";
        m_local = m_dir.Path() + "\\Local";
        Set(L"APPDATA", m_roaming);
        Set(L"LOCALAPPDATA", m_local);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved)
            ::_wputenv_s(name.c_str(), value.c_str());
    }
    void Set(const wchar_t* name, const std::string& value)
    {
        const wchar_t* old = ::_wgetenv(name);
        m_saved.emplace_back(name, old ? old : L"");
        ::_wputenv_s(name, WideText(value).c_str());
    }

    TempDir m_dir;
    std::string m_roaming;
    std::string m_local;
    std::vector<std::pair<std::wstring, std::wstring>> m_saved;
};

// Profiles go with the user from computer to computer; backups of a
// telephone stay on the computer it was attached to.
TEST_F(UserFolders, ProfilesRoamAndBackupsStayOnTheComputer)
{
    EXPECT_EQ(UserProfilePath("mvconf"), m_roaming + "\\mvconf\\mvconf.ini");
    EXPECT_EQ(UserProfilePath("fwload"), m_roaming + "\\fwload\\fwload.ini");
    EXPECT_EQ(DefaultBackupFolder(), m_local + "\\mvconf\\backups");

    ASSERT_TRUE(MakeFolders(DefaultBackupFolder()));
    ASSERT_TRUE(MakeFolders(m_roaming + "\\mvconf/"));
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(DefaultBackupFolder())));
    EXPECT_TRUE(std::filesystem::is_directory(FsPath(m_roaming + "\\mvconf")));
    WriteFileBytes(m_local + "\\datei", "");
    EXPECT_FALSE(MakeFolders(m_local + "\\datei\\unten"));
}

} // namespace
