// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData_Indexed.h"

// One function key, numbered 1 to 14; keys 8 to 14 are the second level.
// A key keeps all its fields whatever its use; only the use decides which
// of them the telephone and the lists look at.
class CData_DialKey : public CData_Indexed {
public:
    CData_DialKey() : CData_Indexed("DialKey") {}
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialKey&) const = default;

    std::string KeyLabel() const;   // "1" to "7", "1a" to "7a"
    std::string UseText() const;    // what the key does
    std::string NumberText() const; // the number or team the use works with

    int KeyUse = KEYUSE_DIAL;
    int DialKeyUse = 0;
    std::string DialKeyMsn;
    std::string LineKeyMsn;
    std::string ExtKeyChannel = "11";
    std::string MsnKeyMsn;
    std::string VariantKeyMsnTeam = "00";
    std::string LogOutKeyMsnTeam = "00";
    std::string AnnounceKeyMsnInt;
    std::string IntercomKeyMsnInt;
    std::string ChefKeyMsnInt;
    std::string SecKeyMsnInt;
    int MsnKeyMsnId = 0;
};
