// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One configuration document: the telephone's configuration and its phone
// book. Which half takes part in file movement, sorting and repair is
// decided by the derivative switches PropCfg and PropDialName.
#include "CData_AllCfg.h"
#include "CData_AllDialName.h"

class CDerivat;

class CData_All : public CData {
public:
    CData_All();
    bool MoveFile(CProfileFile& file, bool write) override;
    // Both halves take part whatever the switches say.
    bool operator==(const CData_All& o) const;
    bool operator!=(const CData_All& o) const;

    // Lowers the values the current switches do not allow.
    bool Validate();
    // The same with the switches of another identity.
    bool Validate(const CDerivat& identity);
    // Sorts the phone book when the phone-book part is switched on.
    void Sort();
    void ResetCfg();
    void ResetDialName();
    // The entries of a new document in the German market; false without PropGermany.
    bool SetCountryDefaults();

    // Phone-book entries by position 0 to 199, stored as given (no codec).
    const std::string& GetDialNameName(int pos) const { return dialName.entry.at(pos).Name; }
    const std::string& GetDialNameMsn(int pos) const { return dialName.entry.at(pos).Msn; }
    void SetDialNameName(int pos, std::string_view text) { dialName.entry.at(pos).Name.assign(text); }
    void SetDialNameMsn(int pos, std::string_view text) { dialName.entry.at(pos).Msn.assign(text); }

    CData_AllCfg cfg;
    CData_AllDialName dialName;
};

// Access number of the network voice-mail service preset in a new document.
inline constexpr const char* kVoiceMailAccessNumber = "0800553040";
