// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a phone-book import did to the file's text, counted so that the user
// learns of every name, number and character that did not arrive as it
// stood, and where the replaced phone book was kept.
#include "TransferBackup.h"

#include <string>

struct ImportReport {
    int entries = 0;            // taken over
    int namesCut = 0;           // to the name's 20 characters
    int numbersCut = 0;         // to the number's 20 characters, prefix included
    int replacedCharacters = 0; // UTF-8 characters Windows-1252 lacks, written as a near one
    int droppedCharacters = 0;  // the same with nothing near, left out
    int foreignNumbers = 0;     // numbers holding characters a number cannot hold
    int firstForeignLine = 0;   // the file's line of the first of them, from 1
    BackupResult backup;        // the document before the import, when one was kept
    std::string error;          // why nothing was imported (UTF-8)

    bool HasWarnings() const;
};

// The warnings as one sentence ("2 Namen wurden auf 20 Zeichen gekürzt; ...")
// or empty (UTF-8).
std::string ImportWarningText(const ImportReport& report);

// The whole result for the window: entries taken over, the warnings and the
// kept copy, as one paragraph (UTF-8).
std::string ImportResultText(const ImportReport& report);
