// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhoneBookImport.h"

#include "AtomicFile.h"
#include "CData_All.h"
#include "CParse.h"
#include "FileErrorText.h"
#include "ImportTextCheck.h"
#include "Trace.h"

#include <algorithm>
#include <cstdio>

namespace {

// The parts of the entry being collected from the columns of one line.
struct PendingEntry {
    std::array<std::string, 4> nameParts;
    std::string number;

    void Clear()
    {
        for (auto& part : nameParts)
            part.clear();
        number.clear();
    }
};

std::string JoinName(const PendingEntry& pending)
{
    std::string name = pending.nameParts[0];
    for (std::size_t k = 1; k < pending.nameParts.size(); ++k) {
        const std::string& part = pending.nameParts[k];
        if (part.empty())
            continue;
        if (!name.empty())
            name += ' ';
        name += part;
    }
    return name;
}

void TakeTokens(const std::vector<std::string>& tokens, int t, const ImportSettings& s, PendingEntry& pending)
{
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        if (t == s.numberColumn && i == s.numberToken)
            pending.number = tokens[i];
        for (std::size_t k = 0; k < pending.nameParts.size(); ++k)
            if (t == s.nameColumn[k] && i == s.nameToken[k])
                pending.nameParts[k] = tokens[i];
    }
}

// Stores the entry at position count when it has a name and a number; an
// entry missing either takes no place in the phone book.
void StoreEntry(const PendingEntry& pending, const ImportSettings& s, CData_All& data, int& count)
{
    std::string name;
    std::string number;
    CData::StrToName(name, JoinName(pending));
    CData::StrToMsnExt(number, pending.number);
    if (name.empty() || number.empty())
        return;
    // The prefix goes before the number as the file had it, so the filter
    // and the length cut apply to both together.
    std::string msn;
    CData::StrToMsnExt(msn, s.prefix + pending.number);
    data.SetDialNameName(count, name);
    data.SetDialNameMsn(count, msn);
    ++count;
}

// Takes the entries of the current line; false once the phone book holds
// the requested number of entries.
bool ImportLine(const CParse& parse, const ImportSettings& s, int limit, CData_All& data, int& count)
{
    PendingEntry pending;
    const int columns = parse.ColumnCount();
    for (int h = 0; h < columns; ++h) {
        const int t = s.columnRepeat > 0 ? h % s.columnRepeat : h;
        if (t == 0)
            pending.Clear();
        TakeTokens(parse.Tokens(h), t, s, pending);
        if (t == s.columnRepeat - 1 || h == columns - 1) {
            StoreEntry(pending, s, data, count);
            if (count >= limit)
                return false;
        }
    }
    return true;
}

} // namespace

ImportResult ImportPhoneBook(const ImportSettings& settings, CData_All& data, std::string& message)
{
    TraceLine("CDlgE_Import", "DoImport()");
    message.clear();
    CParse parse(settings.fileName);
    if (!parse.IsOpen()) {
        message = FileErrorMessage(settings.fileName, "gelesen werden", FileErrorReason(parse.OpenError()))
                  + " Das Telefonbuch bleibt, wie es war.";
        return ImportResult::Unreadable;
    }
    // Collected apart: a file that yields nothing must not empty the phone book.
    CData_All imported;
    imported.ResetDialName();
    const int limit = std::clamp(settings.entries, 0, CData_AllDialName::kEntries);
    int count = 0;
    bool more = count < limit;
    while (more) {
        const bool lineEnded = parse.NextLine();
        // The parser counts only lines ended by a carriage return; a last
        // line without one is still a line of its own. Lines before the
        // start line are skipped, so a header line can be left out.
        const int lineIndex = lineEnded ? parse.LineCount() - 1 : parse.LineCount();
        if (lineIndex >= settings.startLine)
            more = ImportLine(parse, settings, limit, imported, count);
        more = more && lineEnded;
    }
    const std::string hint = ImportFileHint(settings.fileName);
    if (count == 0) {
        message = "In der Datei \"" + settings.fileName + "\" steht kein Eintrag, der sich übernehmen lässt "
                  "(jeder braucht einen Namen und eine Rufnummer in den eingestellten Spalten). "
                  "Das Telefonbuch bleibt, wie es war.";
        if (!hint.empty())
            message += "\n\n" + hint;
        return ImportResult::NothingFound;
    }
    data.dialName = imported.dialName;
    // Unconditionally: an import only makes sense with a phone book, whatever
    // the document's switches say.
    data.dialName.Sort();
    if (!hint.empty())
        message = "Das Telefonbuch wurde importiert; bitte prüfen Sie es. " + hint;
    return ImportResult::Imported;
}

bool DoImport(const ImportSettings& settings, CData_All& data, std::string& error)
{
    return ImportPhoneBook(settings, data, error) == ImportResult::Imported;
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
