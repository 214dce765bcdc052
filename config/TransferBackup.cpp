// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferBackup.h"

#include "CData_All.h"
#include "Derivat.h"
#include "FileCalls.h"
#include "FileErrorText.h"
#include "PathText.h"
#include "ProfileFile.h"
#include "UserPaths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kStampLength = 19; // YYYYMMDD-HHMMSS-mmm
constexpr std::string_view kExtension = ".mv8";

const char* WayWord(BackupWay way)
{
    switch (way) {
    case BackupWay::Sent: return "gesendet";
    case BackupWay::BeforeImport: return "vor-import";
    default: return "gelesen";
    }
}

const char* PartWord(BackupPart part)
{
    return part == BackupPart::PhoneBook ? "telefonbuch" : "konfiguration";
}

std::string TimeStamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    const std::tm local = LocalCalendar(secs);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return std::string(text) + "-" + std::to_string(1000 + ms).substr(1);
}

bool IsStamp(std::string_view text)
{
    if (text.size() != kStampLength)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 8 || i == 15 ? text[i] != '-' : (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

// The time stamp goes to the millisecond; a name already taken is never
// reused, so a copy never replaces another.
std::string UnusedName(const std::string& folder, BackupWay way, BackupPart part)
{
    for (;;) {
        std::string path =
            folder + FolderSeparator() + TimeStamp() + "-" + WayWord(way) + "-" + PartWord(part) + ".mv8";
        if (!NameTaken(path))
            return path;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Only our own copies of the same kind count; the names begin with the time
// stamp, so their order is their age.
void RemoveOldest(const std::string& folder, BackupWay way, BackupPart part, int keep)
{
    std::vector<std::filesystem::path> copies;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder), ec)) {
        const auto name = ParseBackupName(Utf8Of(entry.path().filename()));
        if (name && name->way == way && name->part == part && entry.is_regular_file(ec))
            copies.push_back(entry.path());
    }
    if (static_cast<int>(copies.size()) <= keep)
        return;
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + keep < copies.size(); ++i)
        std::filesystem::remove(copies[i], ec);
}

} // namespace

std::string DefaultBackupFolder()
{
    return UserStateDir("mvconf") + FolderSeparator() + "backups";
}

std::optional<BackupName> ParseBackupName(std::string_view fileName)
{
    if (!fileName.ends_with(kExtension) || fileName.size() < kStampLength + 1 || fileName[kStampLength] != '-' ||
        !IsStamp(fileName.substr(0, kStampLength)))
        return std::nullopt;
    std::string_view rest = fileName.substr(kStampLength + 1, fileName.size() - kStampLength - 1 - kExtension.size());
    BackupName name{std::string(fileName.substr(0, kStampLength)), BackupWay::Read, BackupPart::Configuration};
    for (BackupWay way : {BackupWay::Read, BackupWay::Sent, BackupWay::BeforeImport}) {
        const std::string prefix = std::string(WayWord(way)) + "-";
        if (rest.starts_with(prefix)) {
            name.way = way;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    for (BackupPart part : {BackupPart::Configuration, BackupPart::PhoneBook})
        if (rest == PartWord(part)) {
            name.part = part;
            return name;
        }
    return std::nullopt;
}

BackupResult KeepTransferBackup(const CData_All& data, const CDerivat& switches, BackupPart part, BackupWay way,
                                const std::string& folder, int keep)
{
    BackupResult result;
    result.way = way;
    if (!MakeFolders(folder)) {
        result.error = FileErrorMessage(folder, "angelegt werden", FileErrorReason(errno));
        return result;
    }
    const std::string path = UnusedName(folder, way, part);
    CData_All copy = data;
    CProfileFile file;
    copy.MoveFile(file, true, switches);
    if (!file.Save(path, result.error))
        return result;
    RemoveOldest(folder, way, part, keep);
    result.kept = true;
    result.path = path;
    return result;
}

std::string BackupNotice(const BackupResult& result)
{
    if (result.way == BackupWay::BeforeImport)
        return result.kept ? "Sicherungskopie des Dokuments vor dem Import: " + result.path
                           : "Keine Sicherungskopie des Dokuments vor dem Import angelegt: " + result.error;
    const std::string what = result.way == BackupWay::Sent ? "gesendeten" : "gelesenen";
    if (result.kept)
        return "Sicherungskopie der " + what + " Daten: " + result.path;
    return "Keine Sicherungskopie der " + what + " Daten angelegt: " + result.error;
}
