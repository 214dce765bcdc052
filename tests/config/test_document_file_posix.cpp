// SPDX-License-Identifier: GPL-3.0-or-later
// A document in a folder that Linux's permissions close.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class DocumentFile : public ::testing::Test {
protected:
    CData_All data;
    CData_All saved;
    CQ410CfDoc doc{data, saved, TestIdentity()};
    TempDir dir;
    std::string error;
};

} // namespace

TEST_F(DocumentFile, SaveIntoAReadOnlyFolderLeavesTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = dir.File("alt.mv8");
    WriteFileBytes(path, "[Basic]\r\nLoudBox=2\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error));
    data.cfg.basic.LoudBox = 6;
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(doc.OnSaveDocument(path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFileBytes(path), "[Basic]\r\nLoudBox=2\r\n");
    EXPECT_EQ(saved.cfg.basic.LoudBox, 2);
}
