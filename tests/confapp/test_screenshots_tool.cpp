// SPDX-License-Identifier: GPL-3.0-or-later
// The program that draws the windows into pictures: its usage, and a run
// without the offscreen platform's noise.
#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// The width of a PNG picture, from its header; 0 when there is none.
unsigned PngWidth(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[20] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header))
        return 0;
    return unsigned(header[16]) << 24 | unsigned(header[17]) << 16 | unsigned(header[18]) << 8 | header[19];
}

TEST(ScreenshotsTool, HelpPrintsTheUsageAndDrawsNothing)
{
    const ProcessResult help = RunProcess({ScreenshotsPath(), "--help"}, 10000);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Aufruf: screenshots AUSGABEORDNER"), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find(".png"), std::string::npos) << help.out;
    const ProcessResult option = RunProcess({ScreenshotsPath(), "--bunt"}, 10000);
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.err.find("Aufruf:"), std::string::npos) << option.err;
}

TEST(ScreenshotsTool, DrawsEveryPageScaledAndDarkWithoutThePlatformsNotes)
{
    TempDir dir;
    const ProcessResult r = RunProcess({ScreenshotsPath(), dir.File("bilder")}, 120000);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("propagateSizeHints"), std::string::npos) << r.err;
    EXPECT_TRUE(FileExists(dir.File("bilder/dialog_transfer.png"))) << r.out;
    EXPECT_TRUE(FileExists(dir.File("bilder/dunkel/dialog_transfer.png"))) << r.out;
    const unsigned normal = PngWidth(dir.File("bilder/page_Allgemein.png"));
    ASSERT_GT(normal, 0u) << r.out;
    EXPECT_NEAR(PngWidth(dir.File("bilder/2x/page_Allgemein.png")), 2.0 * normal, 2.0);
    EXPECT_NEAR(PngWidth(dir.File("bilder/1.5x/page_Allgemein.png")), 1.5 * normal, 2.0);
}

} // namespace
