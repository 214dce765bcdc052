// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real X server, driven from outside as a user would: mvconf
// against the simulated telephone, "Konfiguration auslesen" pressed in the
// tool bar, then "Speichern". Every wait polls for a window or a file until
// a deadline generous enough for a loaded machine; nothing waits blindly.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
constexpr auto kDeadline = 120s;

std::string FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0)
            return folder + "/" + name;
    return {};
}

bool PollUntil(const std::function<bool()>& done, std::chrono::seconds limit = kDeadline)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

struct XWindow {
    std::string id;
    int width, height, x, y; // x and y on the screen
};

// Xvfb prints its display number first, as the simulators print their device.
class XServer {
public:
    XServer() : m_server(FindProgram("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"}) {}

    std::string Display() const { return ":" + m_server.Device(); }

    std::string FindWindow(const std::string& name) const
    {
        const std::string out = Run({"xdotool", "search", "--name", "^" + name + "$"});
        return out.substr(0, out.find('\n'));
    }

    // The tool bar's buttons in the groups its separators make. Every widget
    // is a window of its own (QT_USE_NATIVE_WINDOWS), and the tool bar is
    // the child of the main window that holds the narrow separators.
    std::vector<std::vector<XWindow>> ToolBar(const std::string& mainWindow) const
    {
        for (const XWindow& child : Children(mainWindow)) {
            std::vector<XWindow> items = Children(child.id);
            std::sort(items.begin(), items.end(), [](const XWindow& a, const XWindow& b) { return a.x < b.x; });
            std::vector<std::vector<XWindow>> groups(1);
            for (const XWindow& item : items) {
                if (2 * item.width < item.height)
                    groups.emplace_back();
                else
                    groups.back().push_back(item);
            }
            if (groups.size() > 1)
                return groups;
        }
        return {};
    }

    void Click(const XWindow& w) const
    {
        Run({"xdotool", "mousemove", "--sync", std::to_string(w.x + w.width / 2), std::to_string(w.y + w.height / 2),
             "click", "1"});
    }

private:
    std::string Run(std::vector<std::string> args) const
    {
        args[0] = FindProgram(args[0]);
        return RunProcess(args, 30000, {"DISPLAY=" + Display()}).out;
    }

    std::vector<XWindow> Children(const std::string& id) const
    {
        static const std::regex line(R"(^\s+(0x[0-9a-f]+) .*\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$)");
        std::vector<XWindow> children;
        std::istringstream out(Run({"xwininfo", "-children", "-id", id}));
        std::smatch m;
        for (std::string text; std::getline(out, text);)
            if (std::regex_match(text, m, line))
                children.push_back({m[1], std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5])});
        return children;
    }

    PtyPeer m_server;
};

std::string MakeDocument(const std::string& path, int loudBox, const std::string& msn)
{
    CData_All data, saved;
    CQ410CfDoc doc(data, saved, TestIdentity());
    doc.OnNewDocument();
    data.cfg.basic.LoudBox = loudBox;
    data.cfg.msnPara[0].Msn = msn;
    std::string error;
    EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
    return path;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        files.push_back(entry.path().string());
    return files;
}

} // namespace

TEST(DesktopWindow, ReadingFromTheToolBarKeepsABackupAndFillsTheDocument)
{
    if (FindProgram("Xvfb").empty())
        GTEST_SKIP() << "Xvfb is not installed (tools/install-packages.sh test installs it)";
    for (const char* tool : {"xdotool", "xwininfo"})
        ASSERT_FALSE(FindProgram(tool).empty()) << tool << " is missing (tools/install-packages.sh test)";
    TempDir dir;
    const std::string document = MakeDocument(dir.File("dokument.mv8"), 3, "111");
    SimulatedTelephone phone({"--load", MakeDocument(dir.File("telefon.mv8"), 5, "3012345"), "--sessions", "1",
                              "--firmware", "V3.04"});
    std::filesystem::create_directories(dir.File("config/mvconf"));
    WriteFileBytes(dir.File("config/mvconf/mvconf.ini"), "[Ports]\r\nCOM2=" + phone.Device() + "\r\n");
    ::mkdir(dir.File("runtime").c_str(), 0700);
    const std::string backups = dir.File("state/mvconf/backups");

    XServer x;
    BackgroundProcess mvconf({MvconfPath(), document},
                             {"DISPLAY=" + x.Display(), "QT_QPA_PLATFORM=xcb", "QT_USE_NATIVE_WINDOWS=1",
                              "XDG_CONFIG_HOME=" + dir.File("config"), "XDG_STATE_HOME=" + dir.File("state"),
                              "XDG_RUNTIME_DIR=" + dir.File("runtime")});
    std::string mainWindow;
    ASSERT_TRUE(PollUntil([&] {
        mainWindow = x.FindWindow("dokument.mv8 - Systemtelefon MV850");
        return !mainWindow.empty() || !mvconf.Running();
    }));
    ASSERT_FALSE(mainWindow.empty()) << "mvconf ended before its window showed";
    std::vector<std::vector<XWindow>> toolBar; // new, open, save | read, send | help
    ASSERT_TRUE(PollUntil([&] {
        toolBar = x.ToolBar(mainWindow);
        return toolBar.size() == 3 && toolBar[0].size() == 3 && toolBar[1].size() == 2;
    }));

    // A window may take input a moment after it shows: press again until the
    // transfer window is there (or the read is already over).
    auto transferWindowShown = [&] { return !x.FindWindow("Datenaustausch").empty() || !FilesIn(backups).empty(); };
    ASSERT_TRUE(PollUntil([&] {
        x.Click(toolBar[1][0]);
        return PollUntil(transferWindowShown, 10s);
    }));
    ASSERT_TRUE(PollUntil([&] { return x.FindWindow("Datenaustausch").empty() && !FilesIn(backups).empty(); }))
        << "the transfer window did not close after the read";
    const std::vector<std::string> copies = FilesIn(backups);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ProfileValue(copies[0], "Basic", "LoudBox"), "5");
    EXPECT_EQ(ProfileValue(copies[0], "Basic", "SwVers"), "V3.04");

    x.Click(toolBar[0][2]);
    EXPECT_TRUE(PollUntil([&] { return ProfileValue(document, "Basic", "LoudBox") == "5"; }));
    EXPECT_EQ(ProfileValue(document, "MsnPara_1", "Msn"), "3012345");
    EXPECT_EQ(ProfileValue(document, "Basic", "SwVers"), "V3.04");
}
