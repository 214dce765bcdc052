// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "Trace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace std::chrono;

// 2026-12-08 23:05:09.007 UTC
system_clock::time_point FixedTime()
{
    return sys_days{year{2026} / 12 / 8} + hours{23} + minutes{5} + seconds{9} + milliseconds{7};
}

class TraceLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldDir = std::filesystem::current_path();
        std::filesystem::current_path(m_dir.Path());
        TraceResetForTesting(FixedTime);
    }
    void TearDown() override
    {
        TraceResetForTesting();
        std::filesystem::current_path(m_oldDir);
    }
    int FileCount() const
    {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}));
    }

    TempDir m_dir;
    std::filesystem::path m_oldDir;
};

TEST_F(TraceLog, WithoutMarkerNothingIsWrittenEvenIfTheMarkerAppearsLater)
{
    TraceLine("CData", "StrToInt() Invalid range!");
    WriteFileBytes("##Trace.###", "");
    TraceLine("CData", "StrToInt() Invalid range!");
    EXPECT_EQ(FileCount(), 1); // only the marker
}

TEST_F(TraceLog, MvconfEntriesBeginWithALineBreak)
{
    WriteFileBytes("##Trace.###", "");
    TraceLine("CData", "StrToInt() Invalid range!");
    TraceLine("Doc", "OnNewDocument()");
    EXPECT_EQ(ReadFileBytes("S261208-230509.Lg"),
              "\r\n[23:05:09.007] CData: StrToInt() Invalid range!"
              "\r\n[23:05:09.007] Doc: OnNewDocument()");
}

TEST_F(TraceLog, FwloadEntriesEndWithALineBreak)
{
    WriteFileBytes("##Trace.###", "");
    TraceSetFraming(TraceFraming::TrailingBreak);
    TraceLine("DownloadDialog", "OnInitDialog()");
    EXPECT_EQ(ReadFileBytes("S261208-230509.Lg"), "[23:05:09.007] DownloadDialog: OnInitDialog()\r\n");
}

TEST_F(TraceLog, RawWritesKeepTheirBytes)
{
    WriteFileBytes("##Trace.###", "");
    TraceWrite("a\xE4\x80");
    TraceTimeStamp();
    EXPECT_EQ(ReadFileBytes("S261208-230509.Lg"), "a\xE4\x80[23:05:09.007] ");
}

TEST_F(TraceLog, EachChannelWritesAFileNamedAfterItsDeviceWithTheRunsTime)
{
    WriteFileBytes("##Trace.###", "");
    TraceSetFraming(TraceFraming::TrailingBreak);
    {
        const TraceChannel one(TraceNameOfDevice("/dev/serial/by-id/usb-FTDI_A5 0"));
        TraceLine("DownloadDialog", "Send: 1");
        {
            const TraceChannel two(TraceNameOfDevice("/dev/pts/3"));
            TraceLine("DownloadDialog", "Send: 2");
        }
        TraceLine("DownloadDialog", "Send: 3");
    }
    EXPECT_EQ(FileCount(), 3); // the marker and one file per channel, none for the process yet
    EXPECT_EQ(ReadFileBytes("S261208-230509-serial_by-id_usb-FTDI_A5_0.Lg"),
              "[23:05:09.007] DownloadDialog: Send: 1\r\n[23:05:09.007] DownloadDialog: Send: 3\r\n");
    EXPECT_EQ(ReadFileBytes("S261208-230509-pts_3.Lg"), "[23:05:09.007] DownloadDialog: Send: 2\r\n");
    TraceLine("App", "back");
    EXPECT_EQ(ReadFileBytes("S261208-230509.Lg"), "[23:05:09.007] App: back\r\n");
}

} // namespace
