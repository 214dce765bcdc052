// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a save writes. Only a regular file is replaced (through a temporary
// file and a rename) and only a free name is created; anything else that
// exists (a device, a pipe, a link to either, the standard output) is
// written in place, so that a save never puts a file where one of those was.
// SaveTargetPosix.cpp, SaveTargetWin32.cpp.
#include <string>
#include <string_view>

struct SaveTarget {
    std::string path;     // what is replaced, created or written in place
    bool inPlace = false; // an existing file that is not a regular one
    int error = 0;        // errno when nothing can be saved under the name
};

// A link to a regular file leads to that file, so the link stays; a link
// that leads nowhere leads to the name it points to, which is then created.
SaveTarget ResolveSaveTarget(const std::string& path);

// Whether a regular file (or a link to one) with at least one byte stands at path.
bool IsFileWithContent(const std::string& path);

// Whether both names lead to the same regular file, or are one name with
// nothing standing there (a file removed since it was read).
bool SameRegularFile(const std::string& a, const std::string& b);

// Writes all bytes to an existing file that is not a regular one; 0, or the
// errno value of the step that failed. A pipe without a reader fails at once.
int WriteInPlace(const std::string& path, std::string_view bytes);

// Writes bytes to a temporary file in the folder of path, flushes it to the
// disk and gives it the name, replacing a regular file there; 0, or the
// errno value of the step that failed, and then path is untouched.
int ReplaceWholeFile(const std::string& path, std::string_view bytes);

// 0 when a save could go ahead now, or the errno value that would stop it.
int SaveBlocker(const SaveTarget& target);
