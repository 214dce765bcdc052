// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file calls whose system side differs between Linux and Windows
// (FileCallsPosix.cpp, FileCallsWin32.cpp). Names are UTF-8 on both;
// failures are errno values, so that every message is worded one way.
#include <cstddef>
#include <ctime>
#include <string>

// The separator the system shows in its own names: '/' or '\'.
char FolderSeparator();
// The folder part of a file's path without its last separator; empty for a
// bare name. Windows takes '/' and '\' alike.
std::string FolderOfFile(const std::string& path);

enum class ReadOutcome { Read, Missing, NotAFile, TooLarge, Failed };
struct FileRead {
    ReadOutcome outcome = ReadOutcome::Read;
    int errorNumber = 0; // with Missing (ENOENT) and Failed; EISDIR for a folder
};

// Reads a whole file of at most maxBytes, also one that grows while it is
// read. regularOnly: anything but a regular file is NotAFile, and the open
// never waits for a pipe's writer; otherwise pipes and devices are read too.
FileRead ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes, bool regularOnly);

// One folder, private to the user where the system has modes (0700);
// false with errno set (EEXIST when something stands there).
bool MakeFolder(const std::string& path);
// Whether anything stands at path.
bool NameTaken(const std::string& path);
// 0, or the errno value of the failed removal.
int RemoveFile(const std::string& path);

std::tm LocalCalendar(std::time_t secs);

// The German reason for errno values that only this platform has (a disk
// quota), else nullptr.
const char* PlatformErrorReason(int errorNumber);
// The system's own text for an errno value, plain ASCII whatever the user's locale.
std::string SystemErrorText(int errorNumber);
