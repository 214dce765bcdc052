// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupListing.h"

#include "CData.h"
#include "DocumentSections.h"
#include "FileCalls.h"
#include "FileErrorText.h"
#include "PathText.h"
#include "ProfileFile.h"
#include "ValueTexts.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace {

// "20240131-142501-123" as "31.01.2024 14:25:01".
std::string WhenText(const std::string& stamp)
{
    return stamp.substr(6, 2) + "." + stamp.substr(4, 2) + "." + stamp.substr(0, 4) + " " + stamp.substr(9, 2) +
           ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::string PhoneTypeText(const std::string& recorded)
{
    int type = 0;
    if (recorded.empty() || !CData::StrToPhoneType(type, recorded))
        return recorded;
    return ValueTexts::Choice(ValueTexts::kPhoneType, type);
}

// A copy is read as a document would be; one that holds none of the
// sections a copy is made of (empty, cut short, overwritten) is no use.
void ReadDetails(BackupCopy& copy)
{
    CProfileFile file;
    std::string error;
    const CProfileFile::LoadStatus status = file.Load(copy.path, error);
    if (status == CProfileFile::LoadStatus::Missing) {
        copy.problem = "Die Datei ist nicht mehr vorhanden.";
        return;
    }
    if (status == CProfileFile::LoadStatus::Failed) {
        copy.problem = error;
        return;
    }
    if (!FindDocumentParts(file).anyRecord) {
        copy.problem = "Die Datei enthält keine Einstellungen (leer oder beschädigt).";
        return;
    }
    copy.firmware = file.GetString("Basic", "SwVers");
    copy.phoneType = PhoneTypeText(file.GetString("Basic", "PhoneType"));
}

} // namespace

std::vector<BackupCopy> ListBackups(const std::string& folder, std::string& error)
{
    error.clear();
    std::vector<BackupCopy> copies;
    std::error_code ec;
    std::filesystem::directory_iterator entry(FsPath(folder), ec);
    if (ec == std::errc::no_such_file_or_directory)
        return copies;
    for (; !ec && entry != std::filesystem::directory_iterator(); entry.increment(ec)) {
        const std::string fileName = Utf8Of(entry->path().filename());
        const auto name = ParseBackupName(fileName);
        std::error_code typeError;
        if (!name || !entry->is_regular_file(typeError))
            continue;
        BackupCopy copy;
        copy.path = Utf8Of(entry->path());
        copy.fileName = fileName;
        copy.way = name->way;
        copy.part = name->part;
        copy.stamp = name->stamp;
        copy.when = WhenText(name->stamp);
        ReadDetails(copy);
        copies.push_back(std::move(copy));
    }
    if (ec)
        error = "Der Ordner \"" + folder + "\" kann nicht gelesen werden: " + FileErrorReason(ec.value()) + ".";
    std::sort(copies.begin(), copies.end(),
              [](const BackupCopy& a, const BackupCopy& b) { return a.fileName > b.fileName; });
    return copies;
}

bool DeleteBackup(const BackupCopy& copy, std::string& error)
{
    const std::string fileName = Utf8Of(FsPath(copy.path).filename());
    if (!ParseBackupName(fileName)) {
        error = "\"" + copy.path + "\" ist keine Sicherungskopie dieses Programms und bleibt stehen.";
        return false;
    }
    const int failure = RemoveFile(copy.path);
    if (failure == 0 || failure == ENOENT)
        return true;
    error = FileErrorMessage(copy.path, "gelöscht werden", FileErrorReason(failure));
    return false;
}

const char* BackupWayText(BackupWay way)
{
    switch (way) {
    case BackupWay::Sent: return "gesendet";
    case BackupWay::BeforeImport: return "vor Import";
    default: return "gelesen";
    }
}

const char* BackupPartText(BackupPart part)
{
    return part == BackupPart::PhoneBook ? "Telefonbuch" : "Konfiguration";
}
