// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData.h"

// The general settings of the telephone, section "Basic".
class CData_Basic : public CData {
public:
    CData_Basic() : CData("Basic") {}
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
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
