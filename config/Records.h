#pragma once
// The six record kinds, one per section kind of the document file.
#include "CData.h"

#include <cstdint>
#include <string>

// A record that carries a number after its section base name ("DialKey_3").
class CData_Indexed : public CData {
public:
    explicit CData_Indexed(const char* baseName) : CData(baseName), m_baseName(baseName) {}
    virtual void SetIndex(int n);
    int Index() const { return m_index; }
    bool operator==(const CData_Indexed& o) const { return CData::operator==(o) && m_index == o.m_index; }

protected:
    const char* m_baseName;
    int m_index = 0;
};

class CData_Basic : public CData {
public:
    CData_Basic() : CData("Basic") {}
    bool MoveFile(CProfileFile& file, bool write) override;
    bool operator==(const CData_Basic&) const = default;

    int Vers = 1100;
    int PhoneType = 1;
    int DialFilterUse = 0;
    int Silence = 0;
    int QuitTone = 1;
    int LcrMode = 1;
    std::string SwVers;
    std::string DialPre;
    std::string DialPreInt;
    std::string PayMult = "0,12";
    std::string PayStr = " DM";
    std::string ParkCode = "55";
    std::string PabxType = "0";
    int DialLen = 3;
    int LoudBox = 3;
    int LoudHand = 1;
    int LcrRepeat = 4;
    int Knock = 1;
    int AutoExt = 0;
    int LetterLarge = 0;
    int HeadSet = 0;
    int Lcr = 0;
    int PabxAtLowPower = 0;
    int FreeSpeakSilence = 0;
};

class CData_DialKey : public CData_Indexed {
public:
    CData_DialKey() : CData_Indexed("DialKey") {}
    bool MoveFile(CProfileFile& file, bool write) override;
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialKey&) const = default;

    std::string KeyLabel() const;
    std::string UseText() const;
    std::string NumberText() const;

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

class CData_DialIndex : public CData_Indexed {
public:
    CData_DialIndex() : CData_Indexed("DialIndex") {}
    bool MoveFile(CProfileFile& file, bool write) override;
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialIndex&) const = default;

    std::string Msn;
};

class CData_DialFilter : public CData_Indexed {
public:
    CData_DialFilter() : CData_Indexed("DialFilter") {}
    bool MoveFile(CProfileFile& file, bool write) override;
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialFilter&) const = default;

    std::string Msn;
};

class CData_MsnPara : public CData_Indexed {
public:
    CData_MsnPara() : CData_Indexed("MsnPara") {}
    void SetIndex(int n) override;
    bool MoveFile(CProfileFile& file, bool write) override;
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_MsnPara&) const = default;

    int Loud = 3;
    int Melody = 0;
    std::uint32_t PayCounter = 0;
    std::string Msn;
    std::string Txt;
    std::string MsnAws;
};

class CData_DialName : public CData_Indexed {
public:
    CData_DialName() : CData_Indexed("DialName") {}
    bool MoveFile(CProfileFile& file, bool write) override;
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialName&) const = default;

    bool IsEmpty() const { return Name.empty() && Msn.empty(); }

    int Loud = 3;
    int MelodyExt = 0;
    std::string Name;
    std::string Msn;
};
