// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferBackup.h"

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

std::string DefaultBackupFolder()
{
    return UserStateDir("mvconf") + "/backups";
}

BackupResult KeepTransferBackup(const CData_All& data, BackupPart part, const std::string& folder, int keep)
{
    BackupResult result;
    if (!MakeFolders(folder)) {
        result.error = FileErrorMessage(folder, "angelegt werden", FileErrorReason(errno));
        return result;
    }
    const std::string path = UnusedName(folder, part == BackupPart::PhoneBook ? "telefonbuch" : "konfiguration");
    CData_All copy = data;
    CProfileFile file;
    copy.MoveFile(file, true);
    if (!file.Save(path, result.error))
        return result;
    RemoveOldest(folder, keep);
    result.kept = true;
    result.path = path;
    return result;
}

std::string BackupNotice(const BackupResult& result)
{
    if (result.kept)
        return "Sicherungskopie der gelesenen Daten: " + result.path;
    return "Keine Sicherungskopie der gelesenen Daten angelegt: " + result.error;
}
