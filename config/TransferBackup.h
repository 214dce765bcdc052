// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies of what was read from or sent to a telephone, and of the document
// before an import replaced its phone book, kept in the user's state folder
// so that data overwritten by mistake can be recovered. Both front ends keep
// them through the transfer runner and the import; folder, names and how
// many are kept are decided here alone.
#include <optional>
#include <string>
#include <string_view>

class CData_All;
struct CDerivat;

enum class BackupPart { Configuration, PhoneBook };
// Whether the copy holds what the telephone sent (Read), what it was sent,
// or the document as it was before an import replaced its phone book.
enum class BackupWay { Read, Sent, BeforeImport };

struct BackupResult {
    bool kept = false;
    BackupWay way = BackupWay::Read;
    std::string path;  // the copy, when kept
    std::string error; // why none could be kept (UTF-8)

    // False when no copy was asked for.
    bool Tried() const { return kept || !error.empty(); }
};

// What the name of one of our copies says.
struct BackupName {
    std::string stamp; // "YYYYMMDD-HHMMSS-mmm", local time
    BackupWay way;
    BackupPart part;
};

// ${XDG_STATE_HOME:-~/.local/state}/mvconf/backups on Linux,
// %LOCALAPPDATA%\mvconf\backups on Windows.
std::string DefaultBackupFolder();

// Saves data, the halves the switches hold, as "<YYYYMMDD-HHMMSS-mmm>-<gelesen|gesendet|vor-import>-<part>.mv8"
// into folder (created when missing) and removes the oldest copies of the
// same way and part beyond keep, so that many copies of one kind never push
// out those of another. Nothing else in the folder is touched.
BackupResult KeepTransferBackup(const CData_All& data, const CDerivat& switches, BackupPart part, BackupWay way,
                                const std::string& folder, int keep = 50);

// The copy a file name (without folder) stands for; nothing for names that
// are not ours. Copies from before sent data was kept have no way in their
// name ("<stamp>-konfiguration.mv8") and count as read.
std::optional<BackupName> ParseBackupName(std::string_view fileName);

// What the user is told: where the copy is, or that none was kept and why (UTF-8).
std::string BackupNotice(const BackupResult& result);
