// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMain.h"

#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "CliBenchWrite.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "CliTransfer.h"
#include "Cp1252Text.h"
#include "Derivat.h"
#include "DocumentCompare.h"
#include "PhoneBookImport.h"
#include "ProgramVersion.h"
#include "StringResources.h"
#include "TransferBackup.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

bool IdentityOf(const CliOptions& o, BuildIdentity& identity, std::string& error)
{
    const bool phoneBookMode = IsPhoneBookMode(o.mode);
    // The shipped build has the phone book switched off; the phone-book modes
    // would then neither read nor write it, so they switch it on themselves.
    if (phoneBookMode && o.phonebookPart == false) {
        error = "Mit --phonebook-part 0 ist das Telefonbuch ausgeschaltet; die Betriebsart braucht es.";
        return false;
    }
    IdentityTexts texts = o.identity;
    if (phoneBookMode)
        texts.emplace_back(IDS_PROP_DIALNAME, "1");
    identity = DerivatLoad(texts);
    return true;
}

// The switches decide what a document holds; with both halves off it would
// be an empty file that looks like a saved document.
constexpr int kExitNothingToWrite = 1;

int RunNew(Session& s, const CliOptions& o, std::ostream& err)
{
    std::string error;
    if (!s.doc.Identity().PropCfg && !s.doc.Identity().PropDialName)
        return Fail(err,
                    "Mit --config-part 0 und ohne Telefonbuch (--phonebook-part 1) hat ein neues Dokument keinen "
                    "Inhalt; " + o.files[0] + " wurde nicht angelegt.",
                    kExitNothingToWrite);
    s.doc.OnNewDocument();
    if (!s.doc.OnSaveDocument(o.files[0], error))
        return Fail(err, error);
    return kExitOk;
}

int RunConvert(Session& s, const CliOptions& o, std::ostream& err)
{
    std::string error;
    if (!s.doc.OnOpenDocument(o.files[0], error) || !s.doc.OnSaveDocument(o.files[1], error))
        return Fail(err, error);
    return kExitOk;
}

// Both files are read with the same switches, as opening them would read them.
int RunCompare(const Session& s, const CliOptions& o, std::ostream& out, std::ostream& err)
{
    const CDerivat switches = s.doc.NewDocumentSwitches();
    CData_All first, second;
    std::string error;
    if (!CQ410CfDoc::ReadDocumentFile(o.files[0], first, switches, error) ||
        !CQ410CfDoc::ReadDocumentFile(o.files[1], second, switches, error))
        return Fail(err, error);
    const std::vector<FieldDifference> differences = CompareDocuments(first, second, switches);
    for (const FieldDifference& d : differences)
        out << Cp1252ToUtf8(DifferenceLine(d)) << "\n";
    return differences.empty() ? kExitOk : kExitDifferent;
}

int CountEntries(const CData_All& data)
{
    int n = 0;
    for (const auto& e : data.dialName.entry)
        n += !e.IsEmpty();
    return n;
}

// An import that takes nothing over is a failure of its own: the file was
// read, but the settings or the file do not fit.
constexpr int kExitNothingImported = 1;

// The document is kept as a copy before its phone book is replaced; a new
// document holds nothing of the user's yet. Warnings come with the result,
// once the document is saved.
int RunImport(Session& s, const CliOptions& o, std::ostream& out, std::ostream& err)
{
    std::string error;
    const std::string& document = o.files[1];
    if (!s.doc.OnOpenOrNewDocument(document, error))
        return Fail(err, error);
    const bool existed = !s.doc.PathName().empty(); // a document was opened, not made
    ImportSettings settings = o.import;
    settings.fileName = o.files[0];
    ImportReport report;
    const ImportResult result =
        ImportPhoneBook(settings, s.data, s.doc.Switches(), existed ? DefaultBackupFolder() : std::string(), report);
    if (result != ImportResult::Imported)
        return Fail(err, report.error, result == ImportResult::NothingFound ? kExitNothingImported : kExitError);
    if (!s.doc.OnSaveDocument(document, error))
        return Fail(err, error);
    if (report.HasWarnings())
        err << "mvconf: Warnung: " << ImportWarningText(report) << "\n" << std::flush;
    out << CountEntries(s.data) << " Telefonbucheinträge in " << document << " gespeichert.\n";
    if (report.backup.kept)
        out << BackupNotice(report.backup) << "\n";
    return kExitOk;
}

int RunExport(Session& s, const CliOptions& o, std::ostream& out, std::ostream& err)
{
    std::string error;
    if (!s.doc.OnOpenDocument(o.files[0], error))
        return Fail(err, error);
    const std::string text = PhoneBookExportText(s.data);
    if (text.empty())
        return Fail(err,
                    "Das Telefonbuch von " + o.files[0] + " enthält keinen Eintrag mit Name und Rufnummer; "
                    "es wurde nichts exportiert.",
                    kExitNothingToWrite);
    // "-" is the standard output, which gets the bytes as a file would.
    if (o.files[1] == "-") {
        out << text << std::flush;
        return out ? kExitOk : Fail(err, "Die Standardausgabe kann nicht geschrieben werden.");
    }
    if (!ExportPhoneBook(s.data, o.files[1], error))
        return Fail(err, error);
    return kExitOk;
}

} // namespace

bool IsCliInvocation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (const std::string_view arg = argv[i]; arg.starts_with("--") || arg == "-h" || arg == "-v")
            return true;
    return false;
}

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    CliOptions o;
    std::string error;
    if (!ParseCliOptions(argc, argv, o, error)) {
        err << "mvconf: " << error << "\nMehr dazu: mvconf --help\n";
        return kExitError;
    }
    if (o.mode == CliMode::Help) {
        out << CliUsage();
        return kExitOk;
    }
    if (o.mode == CliMode::Version) {
        out << VersionText("mvconf");
        return kExitOk;
    }
    for (const std::string& warning : IdentityWarnings(o))
        err << "mvconf: Warnung: " << warning << "\n";
    BuildIdentity identity;
    if (!IdentityOf(o, identity, error))
        return Fail(err, error);
    Session s(identity);
    switch (o.mode) {
    case CliMode::New: return RunNew(s, o, err);
    case CliMode::Convert: return RunConvert(s, o, err);
    case CliMode::Compare: return RunCompare(s, o, out, err);
    case CliMode::ImportPhoneBook: return RunImport(s, o, out, err);
    case CliMode::ExportPhoneBook: return RunExport(s, o, out, err);
    case CliMode::WriteConfig:
    case CliMode::WritePhoneBook:
        if (o.SeveralTelephones())
            return RunBenchWrite(s, o, std::vector<std::string>(argv, argv + argc), out, err);
        return RunTransferMode(s, o, out, err);
    case CliMode::ReadConfig:
    case CliMode::ReadPhoneBook: return RunTransferMode(s, o, out, err);
    default: return Fail(err, "Unbekannte Betriebsart.");
    }
}
