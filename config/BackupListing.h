// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kept copies of a backup folder as the backups window lists them: which
// files are ours, what each holds and when it was made, and why a copy that
// cannot be read is of no use. Listing changes nothing in the folder.
#include "TransferBackup.h"

#include <string>
#include <vector>

struct BackupCopy {
    std::string path;
    std::string fileName;
    BackupWay way = BackupWay::Read;
    BackupPart part = BackupPart::Configuration;
    std::string stamp;     // from the name, "YYYYMMDD-HHMMSS-mmm"
    std::string when;      // "31.01.2024 14:25:01"
    std::string firmware;  // the telephone's software version the copy records (Windows-1252)
    std::string phoneType; // "M850", "MV850", or the recorded text when it is neither
    std::string problem;   // why the copy cannot be read (UTF-8); empty when it can

    bool Readable() const { return problem.empty(); }
};

// Our copies in folder, newest first; other files are left out. A missing
// folder gives an empty list; one that cannot be read also sets error.
std::vector<BackupCopy> ListBackups(const std::string& folder, std::string& error);

// Removes the one copy; a file whose name is not one of ours is never
// removed. False with error (UTF-8) when it cannot be.
bool DeleteBackup(const BackupCopy& copy, std::string& error);

// "gelesen", "gesendet" or "vor Import"; "Konfiguration" or "Telefonbuch".
const char* BackupWayText(BackupWay way);
const char* BackupPartText(BackupPart part);
