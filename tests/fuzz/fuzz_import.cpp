// SPDX-License-Identifier: GPL-3.0-or-later
// The phone-book import on an arbitrary text file with arbitrary settings
// (within what the dialog and the command line let through), and the
// conversion of UTF-8 text on its own.
//
// Input: the settings (start line, entries, column repeat, the four name
// columns and tokens, number column and token, prefix), then the file's text.
#include "CData_All.h"
#include "Cp1252Text.h"
#include "FuzzSupport.h"
#include "ImportTextEncoding.h"
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

// Text that is not UTF-8 stays as it is; UTF-8 comes back as the same
// characters, less those counted as replaced or dropped.
void CheckConversion(std::string_view bytes)
{
    const ImportText text = ImportTextToCp1252(bytes);
    if (!text.fromUtf8) {
        if (text.bytes != bytes)
            FuzzFail("text taken as Windows-1252 was changed");
        return;
    }
    if (!IsValidUtf8(bytes))
        FuzzFail("text that is no UTF-8 was converted from UTF-8");
    if (text.bytes.size() > bytes.size())
        FuzzFail("the conversion made the text longer");
    const std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (text.replaced == 0 && text.dropped == 0 && Cp1252ToUtf8(text.bytes) != body)
        FuzzFail("a text of Windows-1252 characters did not come back as it was");
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
    const std::string_view text = in.Rest();
    CheckConversion(text);
    FuzzWriteFile(s.fileName, text);

    CData_All book;
    book.SetDialNameName(199, "vorher");
    // A copy costs a whole document file; only some inputs ask for one.
    const bool keepCopy = (wide & 4) != 0;
    ImportReport report;
    const CDerivat shipped = DerivatToProperties(DerivatLoad(), 1);
    const ImportResult result =
        ImportPhoneBook(s, book, shipped, keepCopy ? FuzzScratchFile("backups") : std::string(), report);
    if (result == ImportResult::Unreadable || result == ImportResult::NotKept)
        FuzzFail("the import file could not be read or no copy kept", report.error);
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
    if (named != report.entries || report.namesCut > named || report.numbersCut > named ||
        report.foreignNumbers > named || (report.foreignNumbers > 0) != (report.firstForeignLine > 0))
        FuzzFail("the report does not fit the phone book", ImportResultText(report));
    if (report.backup.kept != keepCopy)
        FuzzFail("the phone book was replaced without the copy asked for");
    return 0;
}
