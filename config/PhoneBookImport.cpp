// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhoneBookImport.h"

#include "AtomicFile.h"
#include "CData_All.h"
#include "Derivat.h"
#include "CParse.h"
#include "FileErrorText.h"
#include "ImportEntries.h"
#include "ImportTextEncoding.h"
#include "Trace.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

bool ReadImportFile(const std::string& path, std::string& bytes, std::string& error)
{
    switch (ReadWholeFile(path, bytes, error)) {
    case ReadStatus::Read: return true;
    case ReadStatus::Missing: error = FileErrorMessage(path, "gelesen werden", FileErrorReason(ENOENT)); break;
    case ReadStatus::Failed: break;
    }
    error += " Das Telefonbuch bleibt, wie es war.";
    return false;
}

bool HasEntries(const CData_All& data)
{
    return std::any_of(data.dialName.entry.begin(), data.dialName.entry.end(),
                       [](const CData_DialName& e) { return !e.IsEmpty(); });
}

} // namespace

ImportResult ImportPhoneBook(const ImportSettings& settings, CData_All& data, const CDerivat& switches,
                             const std::string& backupFolder, ImportReport& report)
{
    TraceLine("CDlgE_Import", "DoImport()");
    report = ImportReport();
    std::string bytes;
    if (!ReadImportFile(settings.fileName, bytes, report.error))
        return ImportResult::Unreadable;
    const ImportText text = ImportTextToCp1252(bytes);
    report.replacedCharacters = text.replaced;
    report.droppedCharacters = text.dropped;
    // Collected apart: a file that yields nothing must not empty the phone book.
    CData_All book;
    book.ResetDialName();
    CParse parse(text.bytes);
    CollectEntries(parse, settings, switches.Rules(), book, report);
    if (report.entries == 0) {
        report.error = "In der Datei \"" + settings.fileName + "\" steht kein Eintrag, der sich übernehmen lässt "
                       "(jeder braucht einen Namen und eine Rufnummer in den eingestellten Spalten). "
                       "Das Telefonbuch bleibt, wie es war.";
        return ImportResult::NothingFound;
    }
    if (!backupFolder.empty() && HasEntries(data)) {
        report.backup =
            KeepTransferBackup(data, switches, BackupPart::PhoneBook, BackupWay::BeforeImport, backupFolder);
        if (!report.backup.kept) {
            report.error = BackupNotice(report.backup) + " Das Telefonbuch bleibt, wie es war; importieren Sie "
                           "erneut, sobald der Ordner beschrieben werden kann.";
            return ImportResult::NotKept;
        }
    }
    data.dialName = book.dialName;
    // Unconditionally: an import only makes sense with a phone book, whatever
    // the document's switches say.
    data.dialName.Sort();
    return ImportResult::Imported;
}

bool DoImport(const ImportSettings& settings, CData_All& data, const CDerivat& switches, std::string& error)
{
    ImportReport report;
    const bool imported = ImportPhoneBook(settings, data, switches, {}, report) == ImportResult::Imported;
    error = report.error;
    return imported;
}

std::string PhoneBookExportText(const CData_All& data)
{
    std::string bytes;
    for (int pos = 0; pos < CData_AllDialName::kEntries; ++pos) {
        const std::string& name = data.GetDialNameName(pos);
        const std::string& msn = data.GetDialNameMsn(pos);
        if (name.empty() || msn.empty())
            continue;
        bytes += name;
        bytes += '\t';
        bytes += msn;
        bytes += "\r\n";
    }
    return bytes;
}

bool ExportPhoneBook(const CData_All& data, const std::string& path, std::string& error)
{
    TraceLine("MainFrm", "OnFileExportDialname()");
    return WriteFileAtomically(path, PhoneBookExportText(data), error);
}

void FillTestData(CData_All& data)
{
    data.ResetDialName();
    for (int pos = 0; pos < CData_AllDialName::kEntries; ++pos) {
        char text[32];
        std::snprintf(text, sizeof text, "%03d--012345678901234", pos);
        data.SetDialNameName(pos, text);
        std::snprintf(text, sizeof text, "%03d Abcdefghijklmnop", pos);
        data.SetDialNameMsn(pos, text);
    }
}
