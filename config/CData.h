// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every record and container, and the family of value codecs that
// turn text into field values and back. Text is Windows-1252 bytes.
//
// StrTo<Kind>(target, text) always leaves a value inside the kind's limits in
// target and returns true only when the text was taken as it stood; every
// rejection writes a "CData" trace line. <Kind>ToStr(value, out) writes the
// text form; bounded integers out of range are repaired to their minimum.
// The kinds whose characters or length differ between telephones take the
// rules of the telephone they are meant for.
#include <cstdint>
#include <string>
#include <string_view>

class CProfileFile;
struct CodecRules;

class CData {
public:
    explicit CData(std::string section = "CData") : m_section(std::move(section)) {}
    virtual ~CData() = default;
    CData(const CData&) = default;
    CData& operator=(const CData&) = default;

    // Text of a list column; "Inf %d" for columns a record does not define.
    virtual std::string GetColumnText(int column) const;

    const std::string& SectionName() const { return m_section; }
    bool operator==(const CData&) const = default;

    // Character filters.
    static bool StrToNumStr(std::string& target, std::string_view text);
    static bool StrToMsnStr(std::string& target, std::string_view text);
    static bool StrToNameStr(std::string& target, std::string_view text, const CodecRules& rules);
    static bool StrToPayMultStr(std::string& target, std::string_view text);

    // String kinds: a filter followed by a length rule.
    static bool StrToMsnExt(std::string& target, std::string_view text);
    static bool StrToMsnPreCall(std::string& target, std::string_view text);
    static bool StrToDialPre(std::string& target, std::string_view text);
    static bool StrToName(std::string& target, std::string_view text, const CodecRules& rules);
    static bool StrToTxt(std::string& target, std::string_view text, const CodecRules& rules);
    static bool StrToPayStr(std::string& target, std::string_view text, const CodecRules& rules);
    static bool StrToPayMult(std::string& target, std::string_view text);
    static bool StrToChannel(std::string& target, std::string_view text);
    static bool StrToParkCode(std::string& target, std::string_view text);
    static bool StrToPabxType(std::string& target, std::string_view text);
    static bool StrToMsnInt(std::string& target, std::string_view text, const CodecRules& rules);
    static bool StrToTeam(std::string& target, std::string_view text);

    // Bounded integers.
    static bool IntToStr(int& value, std::string& out, int min, int max);
    static bool StrToInt(int& target, std::string_view text, int min, int max);
    static bool DialLenToStr(int& value, std::string& out);
    static bool StrToDialLen(int& target, std::string_view text);
    static bool LoudToStr(int& value, std::string& out);
    static bool StrToLoud(int& target, std::string_view text);
    static bool LoudHandToStr(int& value, std::string& out);
    static bool StrToLoudHand(int& target, std::string_view text);
    static bool MelodyToStr(int& value, std::string& out);
    static bool StrToMelody(int& target, std::string_view text);
    static bool MelodyExtToStr(int& value, std::string& out);
    static bool StrToMelodyExt(int& target, std::string_view text);
    static bool MsnIdToStr(int& value, std::string& out);
    static bool StrToMsnId(int& target, std::string_view text);
    static bool LcrRepeatToStr(int& value, std::string& out);
    static bool StrToLcrRepeat(int& target, std::string_view text);
    static bool PayCounterToStr(std::uint32_t& value, std::string& out);
    static bool StrToPayCounter(std::uint32_t& target, std::string_view text);

    // Keyword kinds: value = position in the keyword list.
    static bool StrToKeyUse(int& target, std::string_view text);
    static bool KeyUseToStr(int value, std::string& out);
    static bool StrToDialKeyUse(int& target, std::string_view text);
    static bool DialKeyUseToStr(int value, std::string& out);
    static bool StrToPhoneType(int& target, std::string_view text);
    static bool PhoneTypeToStr(int value, std::string& out);
    static bool StrToDialFilterUse(int& target, std::string_view text);
    static bool DialFilterUseToStr(int value, std::string& out);
    static bool StrToQuitTone(int& target, std::string_view text);
    static bool QuitToneToStr(int value, std::string& out);
    static bool StrToSilence(int& target, std::string_view text);
    static bool SilenceToStr(int value, std::string& out);
    static bool StrToLcrMode(int& target, std::string_view text);
    static bool LcrModeToStr(int value, std::string& out);
    static bool StrToBool(int& target, std::string_view text);
    static bool BoolToStr(int value, std::string& out);

protected:
    std::string m_section;
};

// KeyUse values.
enum KeyUseValue : int {
    KEYUSE_DIAL = 0, KEYUSE_LINE, KEYUSE_EXT, KEYUSE_MSN, KEYUSE_VARIANT_ALL, KEYUSE_VARIANT_TEAM,
    KEYUSE_TEAMLOGOUT, KEYUSE_INTERCOM, KEYUSE_INTERCOM_LOOK, KEYUSE_ANNOUNCE, KEYUSE_ANNOUNCE_LOOK,
    KEYUSE_CHEF, KEYUSE_SEC,
};
