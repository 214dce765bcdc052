#pragma once
// One configuration document: the telephone's configuration and its phone book.
#include "Records.h"

#include <array>

class CData_AllCfg : public CData {
public:
    CData_AllCfg();
    bool MoveFile(CProfileFile& file, bool write) override;
    bool operator==(const CData_AllCfg& o) const;
    bool operator!=(const CData_AllCfg& o) const;

    static constexpr int kKeys = 14;
    static constexpr int kIndexes = 10;
    static constexpr int kFilters = 14;
    static constexpr int kMsns = 6;

    CData_Basic basic;
    std::array<CData_DialKey, kKeys> dialKey;          // keys 1 to 14
    std::array<CData_DialIndex, kIndexes> dialIndex;   // speed dial 0 to 9
    std::array<CData_DialFilter, kFilters> dialFilter; // 0-6 blocked, 7-13 free
    std::array<CData_MsnPara, kMsns> msnPara;          // own numbers 1 to 6
};

class CData_AllDialName : public CData {
public:
    static constexpr int kEntries = 200;

    CData_AllDialName();
    bool MoveFile(CProfileFile& file, bool write) override;
    bool operator==(const CData_AllDialName& o) const;
    bool operator!=(const CData_AllDialName& o) const;

    // Alphabetical by name, ASCII letters folded; unnamed entries last; stable.
    void Sort();

    std::array<CData_DialName, kEntries> entry; // position 0 is entry 1
};

class CData_All : public CData {
public:
    CData_All();
    bool MoveFile(CProfileFile& file, bool write) override;
    bool operator==(const CData_All& o) const;
    bool operator!=(const CData_All& o) const;

    // Repairs the values the current switches do not allow.
    bool Validate();
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
inline constexpr const char* kVoiceMailAccessNumber = "0800330245";
