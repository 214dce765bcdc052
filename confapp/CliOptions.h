// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parsing of the mvconf command line into one mode and its settings.
#include "BenchTargets.h"
#include "PhoneBookImport.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class CliMode {
    None, Help, Version, New, Convert, Compare, ImportPhoneBook, ExportPhoneBook,
    ReadConfig, WriteConfig, ReadPhoneBook, WritePhoneBook,
};

// The modes that talk to the telephone.
bool IsTransferMode(CliMode mode);
// The modes that need the phone-book part switched on.
bool IsPhoneBookMode(CliMode mode);

struct CliOptions {
    CliMode mode = CliMode::None;
    std::vector<std::string> files;                 // the mode's file arguments in order
    std::vector<std::pair<int, std::string>> identity; // string resource overrides
    std::optional<bool> phonebookPart;              // as given with --phonebook-part
    ImportSettings import;                          // counted from 0, as the import takes them
    bool importOptionsGiven = false;
    std::string device; // --device PATH
    int port = 0;       // --port N; 0: the port of the profile
    std::vector<BenchTarget> targets; // every --device and --port in order
    bool force = false; // --force: send a document that lacks the half that is sent

    // --device or --port more than once: a write to several telephones at once.
    bool SeveralTelephones() const { return SeveralBenchTargets(targets); }
};

// Fills options; false with a message in error for a bad command line.
bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error);

// Warnings for identity values no rule knows; the values still apply.
std::vector<std::string> IdentityWarnings(const CliOptions& options);

// The German help of the command line.
std::string CliUsage();
