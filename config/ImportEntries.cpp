// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportEntries.h"

#include "CData_All.h"
#include "Derivat.h"
#include "CParse.h"

#include <algorithm>

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

// A number written for abroad ("+49 ...") keeps its meaning only with the
// international prefix, which the telephone dials as 00.
std::string WithInternationalPrefix(const std::string& number)
{
    return number.starts_with('+') ? "00" + number.substr(1) : number;
}

// The phone book being filled and what the import has to tell of it.
struct Collected {
    CData_All& data;
    ImportReport& report;
    CodecRules rules; // of the document the entries are for
};

// Stores the entry at the next position when it has a name and a number;
// an entry missing either takes no place in the phone book.
void StoreEntry(const PendingEntry& pending, const ImportSettings& s, int line, Collected& book)
{
    std::string nameChars, name, numberChars, prefixChars, msn;
    CData::StrToNameStr(nameChars, JoinName(pending), book.rules);
    CData::StrToName(name, nameChars, book.rules);
    const bool foreign = !CData::StrToMsnStr(numberChars, WithInternationalPrefix(pending.number));
    if (name.empty() || numberChars.empty())
        return;
    // The prefix goes before the number as the file had it, so the length
    // cut applies to both together.
    CData::StrToMsnStr(prefixChars, s.prefix);
    CData::StrToMsnExt(msn, prefixChars + numberChars);
    ImportReport& r = book.report;
    book.data.SetDialNameName(r.entries, name);
    book.data.SetDialNameMsn(r.entries, msn);
    ++r.entries;
    r.namesCut += name.size() < nameChars.size();
    r.numbersCut += msn.size() < prefixChars.size() + numberChars.size();
    if (foreign && r.foreignNumbers++ == 0)
        r.firstForeignLine = line;
}

// Takes the entries of the current line (the file's line, from 1); false
// once the phone book holds the requested number of entries.
bool ImportLine(const CParse& parse, const ImportSettings& s, int line, int limit, Collected& book)
{
    PendingEntry pending;
    const int columns = parse.ColumnCount();
    for (int h = 0; h < columns; ++h) {
        const int t = s.columnRepeat > 0 ? h % s.columnRepeat : h;
        if (t == 0)
            pending.Clear();
        TakeTokens(parse.Tokens(h), t, s, pending);
        if (t == s.columnRepeat - 1 || h == columns - 1) {
            StoreEntry(pending, s, line, book);
            if (book.report.entries >= limit)
                return false;
        }
    }
    return true;
}

} // namespace

void CollectEntries(CParse& parse, const ImportSettings& settings, const CodecRules& rules, CData_All& book,
                    ImportReport& report)
{
    Collected collected{book, report, rules};
    const int limit = std::clamp(settings.entries, 0, CData_AllDialName::kEntries);
    bool more = limit > 0;
    while (more) {
        const bool lineEnded = parse.NextLine();
        // The parser counts only lines it saw the end of; a last line without
        // one is still a line of its own. Lines before the start line are
        // skipped, so a header line can be left out.
        const int lineIndex = lineEnded ? parse.LineCount() - 1 : parse.LineCount();
        if (lineIndex >= settings.startLine)
            more = ImportLine(parse, settings, lineIndex + 1, limit, collected);
        more = more && lineEnded;
    }
}
