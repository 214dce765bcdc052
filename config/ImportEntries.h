// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entries of an import: which tokens of a line make a name and a
// number, read through the codecs, and what did not arrive as it stood.
#include "PhoneBookImport.h"

class CParse;
struct CodecRules;

// Fills the phone book of book (emptied by the caller) from the lines of
// parse, names read with the rules, counting entries and cuts in report.
void CollectEntries(CParse& parse, const ImportSettings& settings, const CodecRules& rules, CData_All& book,
                    ImportReport& report);
