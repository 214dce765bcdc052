// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings: window rectangle, COM port, recent files and bars.
#include "CMainFrame.h"
#include "ProfileFile.h"
#include "RecentFileList.h"
#include "ShellTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

void WriteProfile(const std::string& path, std::string_view text)
{
    WriteFileBytes(path, text);
}

CProfileFile ReadProfile(const std::string& path)
{
    CProfileFile profile;
    std::string error;
    profile.Load(path, error);
    return profile;
}

} // namespace

TEST(ProfileSettings, EmptyProfileGivesDefaultsAndTheMinimumSize)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    app.ProfileSettingsGet();
    EXPECT_EQ(app.comPort, 2);
    EXPECT_EQ(app.x, 20);
    EXPECT_EQ(app.y, 20);
    EXPECT_EQ(app.dx, 560);
    EXPECT_EQ(app.dy, 390);
}

TEST(ProfileSettings, PositionLimitsDifferForXAndY)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    WriteProfile(app.profilePath, "[Screen]\nX=2999\nY=299\nDX=800\nDY=600\n[Transfer]\nComPort=4\n");
    app.ProfileSettingsGet();
    EXPECT_EQ(app.x, 2999);
    EXPECT_EQ(app.y, 299);
    EXPECT_EQ(app.dx, 800);
    EXPECT_EQ(app.dy, 600);
    EXPECT_EQ(app.comPort, 4);

    WriteProfile(app.profilePath, "[Screen]\nX=10\nY=300\n");
    app.ProfileSettingsGet();
    EXPECT_EQ(app.x, 20);
    EXPECT_EQ(app.y, 20);

    WriteProfile(app.profilePath, "[Screen]\nX=3000\nY=10\n");
    app.ProfileSettingsGet();
    EXPECT_EQ(app.x, 20);
    EXPECT_EQ(app.y, 20);
}

TEST(ProfileSettings, UnusableValuesFallBackToDefaults)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    WriteProfile(app.profilePath, "[Screen]\nX=links\nDX=100\n[Transfer]\nComPort=9\n");
    app.ProfileSettingsGet();
    EXPECT_EQ(app.x, 20);
    EXPECT_EQ(app.dx, 560);
    EXPECT_EQ(app.comPort, 2);
}

TEST(ProfileSettings, WrittenBackBesideOtherSettings)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    WriteProfile(app.profilePath, "[Ports]\nCOM3=/dev/ttyUSB0\n");
    app.comPort = 3;
    app.x = 40;
    app.y = 50;
    app.dx = 700;
    app.dy = 500;
    app.ProfileSettingsSet();
    const CProfileFile profile = ReadProfile(app.profilePath);
    EXPECT_EQ(profile.GetString("Transfer", "ComPort"), "3");
    EXPECT_EQ(profile.GetString("Screen", "X"), "40");
    EXPECT_EQ(profile.GetString("Screen", "Y"), "50");
    EXPECT_EQ(profile.GetString("Screen", "DX"), "700");
    EXPECT_EQ(profile.GetString("Screen", "DY"), "500");
    EXPECT_EQ(profile.GetString("Ports", "COM3"), "/dev/ttyUSB0");
}

TEST(ProfileSettings, ProfileFolderIsCreatedWhenMissing)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    app.profilePath = environment.File("neu/mvconf/mvconf.ini");
    app.ProfileSettingsSet();
    EXPECT_TRUE(FileExists(app.profilePath));
}

TEST(MainWindowPlacement, OpensAtLeastAtTheIdentitysMinimumSize)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    app.dx = 100;
    app.dy = 100;
    CMainFrame frame(environment.app);
    EXPECT_EQ(frame.width(), 560);
    EXPECT_EQ(frame.height(), 390);
}

TEST(MainWindowPlacement, RectangleOnNoScreenFallsBackToTheDefaultPosition)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    app.x = -5000;
    app.y = 100;
    CMainFrame frame(environment.app);
    EXPECT_EQ(frame.pos(), QPoint(20, 20));
}

TEST(MainWindowPlacement, ClosingStoresRectangleBarsAndRecentFiles)
{
    ShellTestEnvironment environment;
    App& app = environment.app;
    {
        CMainFrame frame(environment.app);
        frame.RecentFiles().Add(QStringLiteral("/tmp/a.mv8"));
        frame.resize(640, 480);
        frame.move(30, 40);
        frame.close();
    }
    EXPECT_EQ(app.dx, 640);
    EXPECT_EQ(app.dy, 480);
    EXPECT_EQ(app.x, 30);
    EXPECT_EQ(app.y, 40);
    const CProfileFile profile = ReadProfile(app.profilePath);
    EXPECT_FALSE(profile.GetFullString("BarState", "MainWindow").empty());
    EXPECT_EQ(profile.GetFullString("Recent File List", "File1"), "/tmp/a.mv8");
}

TEST(RecentFiles, KeepsTheFourNewestWithoutDoubles)
{
    ShellTestEnvironment environment;
    RecentFileList list;
    for (const char* file : {"/d/1.mv8", "/d/2.mv8", "/d/3.mv8", "/d/4.mv8", "/d/5.mv8", "/d/3.mv8"})
        list.Add(QString::fromLatin1(file));
    EXPECT_EQ(list.Files(), (QStringList{"/d/3.mv8", "/d/5.mv8", "/d/4.mv8", "/d/2.mv8"}));

    ASSERT_TRUE(list.Save(environment.app.profilePath));
    RecentFileList loaded;
    loaded.Load(environment.app.profilePath);
    EXPECT_EQ(loaded.Files(), list.Files());

    loaded.Remove(QStringLiteral("/d/5.mv8"));
    ASSERT_TRUE(loaded.Save(environment.app.profilePath));
    const CProfileFile profile = ReadProfile(environment.app.profilePath);
    EXPECT_EQ(profile.GetFullString("Recent File List", "File3"), "/d/2.mv8");
    EXPECT_EQ(profile.GetFullString("Recent File List", "File4"), "");
}
