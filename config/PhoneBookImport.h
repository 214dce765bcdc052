// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling the phone book from tab-separated text, writing it out as such
// text, and the test data that fills every entry.
#include "ImportReport.h"

#include <array>
#include <string>

class CData_All;
struct CDerivat;

// The import settings, every column, token and line counted from 0 (the
// dialog and the command line show them counted from 1). A column or token
// of -1 matches nothing and so switches its part off.
struct ImportSettings {
    std::string fileName;
    int startLine = 0;
    int entries = 200;      // 1 to 200
    int columnRepeat = 0;   // 0: one entry per line; n: every n columns form one entry
    std::array<int, 4> nameColumn{0, 0, 0, 0};
    std::array<int, 4> nameToken{0, 1, 2, 3};
    int numberColumn = 2;
    int numberToken = 0;
    std::string prefix;
};

enum class ImportResult { Imported, NothingFound, Unreadable, NotKept };

// Replaces the phone book of data with the entries of the file (Windows-1252
// or UTF-8, any line ends), read with the document's switches, then sorts
// it. A phone book with entries is
// first kept as a copy of the whole document in backupFolder (an empty
// backupFolder asks for no copy); a copy that cannot be made, a file that
// cannot be read or one that yields no entry leaves data unchanged, and
// report.error says why. report counts what did not arrive as it stood.
ImportResult ImportPhoneBook(const ImportSettings& settings, CData_All& data, const CDerivat& switches,
                             const std::string& backupFolder, ImportReport& report);

// The same without a copy, for callers that only ask whether the phone
// book was replaced; error is empty after an import.
bool DoImport(const ImportSettings& settings, CData_All& data, const CDerivat& switches, std::string& error);

// "Name<TAB>Msn<CR><LF>" for every entry with both, in position order.
std::string PhoneBookExportText(const CData_All& data);

// Writes PhoneBookExportText to path; false with the reason when the file
// cannot be written (an existing file then stays as it was).
bool ExportPhoneBook(const CData_All& data, const std::string& path, std::string& error);

// Fills all 200 entries with generated names and numbers (not sorted).
void FillTestData(CData_All& data);
