// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadBackup.h"

#include "CData_All.h"
#include "FileErrorText.h"
#include "ProfileFile.h"
#include "UserPaths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string TimeStamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&secs, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return std::string(text) + "-" + std::to_string(1000 + ms).substr(1);
}

// The time stamp goes to the millisecond; a name already taken is never
// reused, so a copy never replaces another.
std::string UnusedName(const std::string& folder, std::string_view what)
{
    for (;;) {
        std::string path = folder + "/" + TimeStamp() + "-" + std::string(what) + ".mv8";
        if (::access(path.c_str(), F_OK) != 0)
            return path;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The names begin with the time stamp, so their order is their age.
void RemoveOldest(const std::string& folder, int keep)
{
    std::vector<std::filesystem::path> copies;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".mv8")
            copies.push_back(entry.path());
    if (static_cast<int>(copies.size()) <= keep)
        return;
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + keep < copies.size(); ++i)
        std::filesystem::remove(copies[i], ec);
}

} // namespace

bool KeepReadBackup(const CData_All& data, const std::string& folder, std::string_view what,
                    std::string& savedPath, std::string& error, int keep)
{
    if (!MakeFolders(folder)) {
        error = FileErrorMessage(folder, "angelegt werden", FileErrorReason(errno));
        return false;
    }
    savedPath = UnusedName(folder, what);
    CData_All copy = data;
    CProfileFile file;
    copy.MoveFile(file, true);
    if (!file.Save(savedPath, error))
        return false;
    RemoveOldest(folder, keep);
    return true;
}
