// SPDX-License-Identifier: GPL-3.0-or-later
// The program that draws the windows into pictures: its usage, and a run
// without the offscreen platform's noise.
#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

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

TEST(ScreenshotsTool, DrawsEveryPageWithoutThePlatformsNotes)
{
    TempDir dir;
    const ProcessResult r = RunProcess({ScreenshotsPath(), dir.File("bilder")}, 60000);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("propagateSizeHints"), std::string::npos) << r.err;
    EXPECT_TRUE(FileExists(dir.File("bilder/page_Allgemein.png"))) << r.out;
    EXPECT_TRUE(FileExists(dir.File("bilder/dialog_transfer.png"))) << r.out;
}

} // namespace
