// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies of what was read from a telephone, kept in the user's state folder
// so that data overwritten by mistake can be recovered. Both front ends keep
// them through the transfer runner; folder, names and how many are kept are
// decided here alone.
#include <string>

class CData_All;

enum class BackupPart { Configuration, PhoneBook };

struct BackupResult {
    bool kept = false;
    std::string path;  // the copy, when kept
    std::string error; // why none could be kept (UTF-8)

    // False when no copy was asked for.
    bool Tried() const { return kept || !error.empty(); }
};

// ${XDG_STATE_HOME:-~/.local/state}/mvconf/backups
std::string DefaultBackupFolder();

// Saves data as "<YYYYMMDD-HHMMSS-mmm>-<part>.mv8" into folder (created when
// missing) and removes the oldest copies beyond keep.
BackupResult KeepTransferBackup(const CData_All& data, BackupPart part, const std::string& folder, int keep = 50);

// What the user is told: where the copy is, or that none was kept and why (UTF-8).
std::string BackupNotice(const BackupResult& result);
