// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_Basic.h"

#include "FieldMover.h"

namespace {

bool StrToVers(int& target, std::string_view text)
{
    return CData::StrToInt(target, text, 1000, 10000);
}

bool VersToStr(int& value, std::string& out)
{
    return CData::IntToStr(value, out, 1000, 10000);
}

bool KeepAsRead(std::string& target, std::string_view text)
{
    target.assign(text);
    return true;
}

} // namespace

bool CData_Basic::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover m(file, write, m_section, rules);
    m.Word("PhoneType", PhoneType, StrToPhoneType, PhoneTypeToStr);
    m.Word("DialFilterUse", DialFilterUse, StrToDialFilterUse, DialFilterUseToStr);
    m.Word("Silence", Silence, StrToSilence, SilenceToStr);
    m.Word("QuitTone", QuitTone, StrToQuitTone, QuitToneToStr);
    m.Word("LcrMode", LcrMode, StrToLcrMode, LcrModeToStr);
    m.Int("Vers", Vers, StrToVers, VersToStr);
    m.Str("SwVers", SwVers, KeepAsRead);
    m.Str("DialPre", DialPre, StrToDialPre);
    m.Str("DialPreInt", DialPreInt, StrToDialPre);
    m.Str("PayMult", PayMult, StrToPayMult);
    m.Str("PayStr", PayStr, StrToPayStr);
    m.Str("ParkCode", ParkCode, StrToParkCode);
    m.Str("PabxType", PabxType, StrToPabxType);
    m.Int("DialLen", DialLen, StrToDialLen, DialLenToStr);
    m.Int("LoudBox", LoudBox, StrToLoud, LoudToStr);
    m.Int("LoudHand", LoudHand, StrToLoudHand, LoudHandToStr);
    m.Int("LcrRepeat", LcrRepeat, StrToLcrRepeat, LcrRepeatToStr);
    m.Word("Knock", Knock, StrToBool, BoolToStr);
    m.Word("LetterLarge", LetterLarge, StrToBool, BoolToStr);
    m.Word("AutoExt", AutoExt, StrToBool, BoolToStr);
    m.Word("HeadSet", HeadSet, StrToBool, BoolToStr);
    m.Word("Lcr", Lcr, StrToBool, BoolToStr);
    m.Word("PabxAtLowPower", PabxAtLowPower, StrToBool, BoolToStr);
    m.Word("FreeSpeakSilence", FreeSpeakSilence, StrToBool, BoolToStr);
    return true;
}
