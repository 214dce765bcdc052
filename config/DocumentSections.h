// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which halves of a document a file holds. A file with none of the record
// sections is no document of ours (a binary, an empty or a foreign file):
// read as one, it would give nothing but defaults, and saving or sending
// those would pass them off as the user's settings.
#include <string>

class CProfileFile;

struct DocumentParts {
    bool anyRecord = false;     // at least one record section
    bool configuration = false; // [Basic] with at least one value
    bool phoneBook = false;     // at least one [DialName_n]
};

DocumentParts FindDocumentParts(const CProfileFile& file);

// "Die Datei \"<path>\" ist kein mvconf-Dokument: ..." (UTF-8).
std::string NotADocumentMessage(const std::string& path);

// What sending a document would do whose file lacks the half that is sent
// (UTF-8); the empty text when the file holds it.
std::string MissingPartWarning(const std::string& path, const DocumentParts& parts, bool phoneBook);
