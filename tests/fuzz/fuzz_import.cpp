// SPDX-License-Identifier: GPL-3.0-or-later
// The phone-book import on an arbitrary text file with arbitrary settings
// (within what the dialog and the command line let through).
//
// Input: the settings (start line, entries, column repeat, the four name
// columns and tokens, number column and token, prefix), then the file's text.
#include "CData_All.h"
#include "FuzzSupport.h"
#include "PhoneBookImport.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

// Columns and tokens as the user counts them, less one: -1 leaves a piece out.
int ColumnOrToken(FuzzInput& in)
{
    return in.IntIn(-1, 52);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    ImportSettings s;
    s.fileName = FuzzScratchFile("import.txt");
    const std::uint8_t wide = in.Byte();
    s.startLine = (wide & 1) ? in.IntIn(INT_MIN, INT_MAX) : in.IntIn(-2, 12);
    s.entries = (wide & 2) ? in.IntIn(-5, 205) : 200;
    s.columnRepeat = in.IntIn(0, 52);
    for (std::size_t k = 0; k < 4; ++k) {
        s.nameColumn[k] = ColumnOrToken(in);
        s.nameToken[k] = ColumnOrToken(in);
    }
    s.numberColumn = ColumnOrToken(in);
    s.numberToken = ColumnOrToken(in);
    s.prefix = std::string(in.Text(24));
    FuzzWriteFile(s.fileName, in.Rest());

    CData_All book;
    book.SetDialNameName(199, "vorher");
    std::string error;
    const ImportResult result = ImportPhoneBook(s, book, error);
    if (result == ImportResult::Unreadable)
        FuzzFail("the import file could not be read");
    if (result == ImportResult::NothingFound) {
        if (book.GetDialNameName(199) != "vorher")
            FuzzFail("an import that found nothing changed the phone book");
        return 0;
    }
    const int limit = std::max(0, std::min(s.entries, 200));
    int named = 0;
    for (int pos = 0; pos < 200; ++pos) {
        const bool hasName = !book.GetDialNameName(pos).empty();
        if (hasName != !book.GetDialNameMsn(pos).empty())
            FuzzFail("an entry with a name but no number or the other way round", "entry " + std::to_string(pos + 1));
        if (hasName && pos > 0 && book.GetDialNameName(pos - 1).empty())
            FuzzFail("a named entry after an empty one", "entry " + std::to_string(pos + 1));
        named += hasName;
    }
    if (named > limit)
        FuzzFail("more entries than asked for", "entry " + std::to_string(named + 1));
    return 0;
}
