// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One configuration document: the telephone's configuration and its phone
// book. Which half takes part in file movement, sorting and repair is
// decided by the switches PropCfg and PropDialName the caller gives.
#include "CData_AllCfg.h"
#include "CData_AllDialName.h"

struct CDerivat;

class CData_All : public CData {
public:
    CData_All();
    // Reads (write == false) or writes the halves the switches hold.
    bool MoveFile(CProfileFile& file, bool write, const CDerivat& switches);
    // Both halves take part whatever the switches say.
    bool operator==(const CData_All& o) const;
    bool operator!=(const CData_All& o) const;

    // Lowers the values the switches do not allow.
    bool Validate(const CDerivat& switches);
    // Sorts the phone book when the phone-book part is switched on.
    void Sort(const CDerivat& switches);
    void ResetCfg();
    void ResetDialName();
    // The entries of a new document in the German market; false without PropGermany.
    bool SetCountryDefaults(const CDerivat& switches);

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
