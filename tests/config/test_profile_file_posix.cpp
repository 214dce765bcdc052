// SPDX-License-Identifier: GPL-3.0-or-later
// Saving as Linux alone has it: file modes, the umask, links, pipes and a
// file size limit.
#include "AtomicFile.h"
#include "TestSupport.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

unsigned ModeOf(const std::string& path)
{
    return static_cast<unsigned>(std::filesystem::status(path).permissions());
}

std::string Drain(int fd)
{
    char buffer[64];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

} // namespace

TEST(AtomicFile, SaveKeepsTheModeOfTheFile)
{
    TempDir dir;
    const std::string path = dir.File("doc.mv8");
    WriteFileBytes(path, "[Old]\r\n");
    ::chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(ModeOf(path), 0640u);
}

TEST(AtomicFile, NewFileGetsTheModeTheUmaskAllows)
{
    TempDir dir;
    const mode_t old = ::umask(027);
    std::string error;
    const bool saved = WriteFileAtomically(dir.File("new.mv8"), "x", error);
    ::umask(old);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(ModeOf(dir.File("new.mv8")), 0640u);
}

TEST(AtomicFile, SaveThroughASymlinkKeepsTheLink)
{
    TempDir dir;
    WriteFileBytes(dir.File("real.mv8"), "old");
    ASSERT_EQ(::symlink("real.mv8", dir.File("link.mv8").c_str()), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.mv8"), "new", error)) << error;
    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("link.mv8").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFileBytes(dir.File("real.mv8")), "new");
}

// Only a regular file is replaced. A pipe, a link to one (as /dev/stdout
// is) and a link that leads nowhere are written through and stay as they were.
TEST(AtomicFile, WhatIsNoRegularFileIsWrittenInPlace)
{
    TempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(fifo, "x", error)); // nobody reads: no waiting
    EXPECT_NE(error.find("niemand liest"), std::string::npos) << error;
    EXPECT_FALSE(CheckSavable(dir.File("fehlt/neu.mv8"), error));
    EXPECT_TRUE(CheckSavable(fifo, error)) << error;
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_TRUE(WriteFileAtomically(fifo, "pipe", error)) << error;
    EXPECT_EQ(Drain(reader), "pipe");
    ::close(reader);

    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const std::string output = dir.File("stdout");
    ASSERT_EQ(::symlink(("/proc/self/fd/" + std::to_string(out[1])).c_str(), output.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(output, "out", error)) << error;
    EXPECT_EQ(Drain(out[0]), "out");
    ::close(out[0]);
    ::close(out[1]);

    ASSERT_EQ(::symlink("neu.mv8", dir.File("link.mv8").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.mv8"), "neu", error)) << error;
    EXPECT_EQ(ReadFileBytes(dir.File("neu.mv8")), "neu");

    EXPECT_TRUE(std::filesystem::is_symlink(output));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.mv8")));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    std::vector<std::string> names = FolderEntries(dir.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"link.mv8", "neu.mv8", "pipe", "stdout"}));
}

TEST(AtomicFile, FailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("doc.mv8");
    WriteFileBytes(path, "old\r\n");
    std::string error;

    EXPECT_FALSE(WriteFileAtomically(path + "/doc.mv8", "x", error));
    EXPECT_NE(error.find("kein Ordner"), std::string::npos) << error;

    // A write that breaks off half-way, which even root cannot get around.
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = WriteFileAtomically(path, "longer than four bytes", error);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    EXPECT_NE(error.find("gespeichert werden: Datei zu groß."), std::string::npos) << error;

    EXPECT_EQ(ReadFileBytes(path), "old\r\n");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"doc.mv8"});
}
