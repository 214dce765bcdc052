// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded integers and keyword kinds of CData.
#include "CData.h"

#include "Trace.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

bool Reject(std::string_view message)
{
    TraceLine("CData", message);
    return false;
}

bool IsCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The C library's decimal conversion (atoi) without its undefined overflow:
// the digits accumulate modulo 2^32, a minus sign negates modulo 2^32.
std::uint32_t ParseDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

// ---------------------------------------------------------------------------
// Bounded integers.

struct IntKind {
    int min;
    int max;
    std::string_view readMessage;
    std::string_view writeMessage;
};

constexpr IntKind kDialLen{0, 9, "StrToDialLen() Invalid range!", "DialLenToStr() Invalid range!"};
constexpr IntKind kLoud{0, 6, "StrToLoud() Invalid range!", "LoudToStr() Invalid range!"};
constexpr IntKind kLoudHand{0, 3, "StrToLoudHand() Invalid range!", "LoudHandToStr() Invalid range!"};
constexpr IntKind kMelody{0, 9, "StrToMelody() Invalid range!", "MelodyToStr() Invalid range!"};
constexpr IntKind kMelodyExt{0, 11, "StrToMelodyExt() Invalid range!", "MelodyExtToStr() Invalid range!"};
constexpr IntKind kMsnId{0, 6, "StrToMsnId() Invalid range!", "MsnIdToStr() Invalid range!"};
constexpr IntKind kLcrRepeat{0, 9, "StrToLcrRepeat() Invalid range!", "LcrRepeatToStr() Invalid range!"};

bool ReadBounded(int& target, std::string_view text, const IntKind& kind)
{
    return CData::StrToInt(target, text, kind.min, kind.max) || Reject(kind.readMessage);
}

bool WriteBounded(int& value, std::string& out, const IntKind& kind)
{
    return CData::IntToStr(value, out, kind.min, kind.max) || Reject(kind.writeMessage);
}

// ---------------------------------------------------------------------------
// Keyword kinds: value = position in the keyword list; aliases are further
// read-only keywords for the values 0, 1, ...

struct KeywordKind {
    std::span<const std::string_view> keywords;
    std::span<const std::string_view> aliases;
    int fallback;
    std::string_view readMessage;
    std::string_view writeMessage;
};

// Position of the whole, case-sensitive text in the list; -1 when absent.
int Find(std::span<const std::string_view> list, std::string_view text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == text)
            return static_cast<int>(i);
    return -1;
}

bool ReadKeyword(int& target, std::string_view text, const KeywordKind& kind)
{
    int value = Find(kind.keywords, text);
    if (value < 0)
        value = Find(kind.aliases, text);
    target = value < 0 ? kind.fallback : value;
    return value >= 0 || Reject(kind.readMessage);
}

bool WriteKeyword(int value, std::string& out, const KeywordKind& kind)
{
    const bool known = value >= 0 && static_cast<std::size_t>(value) < kind.keywords.size();
    out = kind.keywords[static_cast<std::size_t>(known ? value : kind.fallback)];
    return known || Reject(kind.writeMessage);
}

constexpr std::string_view kKeyUseWords[] = {
    "DIAL", "LINE", "EXT", "MSN", "VARIANT_ALL", "VARIANT_TEAM", "TEAMLOGOUT",
    "INTERCOM", "INTERCOM_LOOK", "ANNOUNCE", "ANNOUNCE_LOOK", "CHEF", "SEC",
};
constexpr std::string_view kKeyUseAliases[] = {"DIALKEY", "LINEKEY", "EXTKEY", "MSNKEY"};
constexpr std::string_view kDialKeyUseWords[] = {"MSN", "DTMF", "KEYPAD"};
constexpr std::string_view kPhoneTypeWords[] = {"Q410", "QL410"};
constexpr std::string_view kDialFilterUseWords[] = {"NON", "BLOCKANDFREE", "BLOCKALLEXPECTFREE"};
constexpr std::string_view kQuitToneWords[] = {"OFF", "ON", "ONLYERR"};
constexpr std::string_view kSilenceWords[] = {"OFF", "ON", "OFF_EXCEPTNOTICE"};
constexpr std::string_view kLcrModeWords[] = {"DEFAULT_CARRIER", "NEXT_CARRIER", "REPEAT_CARRIER"};
constexpr std::string_view kBoolWords[] = {"Off", "On"};

constexpr KeywordKind kKeyUse{kKeyUseWords, kKeyUseAliases, 0,
                              "StrToKeyUse() Invalid string!", "KeyUseToStr() Invalid value!"};
constexpr KeywordKind kDialKeyUse{kDialKeyUseWords, {}, 0,
                                  "StrToDialKeyUse() Invalid string!", "DialKeyUseToStr() Invalid value!"};
constexpr KeywordKind kPhoneType{kPhoneTypeWords, {}, 1,
                                 "StrToPhoneType() Invalid string!", "PhoneTypeToStr() Invalid value!"};
constexpr KeywordKind kDialFilterUse{kDialFilterUseWords, {}, 0, "StrToDialFilterUse() Invalid string!",
                                     "DialFilterUseToStr() Invalid value!"};
constexpr KeywordKind kQuitTone{kQuitToneWords, {}, 0,
                                "StrToQuitTone() Invalid string!", "QuitToneToStr() Invalid value!"};
constexpr KeywordKind kSilence{kSilenceWords, {}, 0,
                               "StrToSilence() Invalid string!", "SilenceToStr() Invalid value!"};
constexpr KeywordKind kLcrMode{kLcrModeWords, {}, 0,
                               "StrToLcrMode() Invalid string!", "LcrModeToStr() Invalid value!"};
constexpr KeywordKind kBool{kBoolWords, {}, 0, "StrToBool() Invalid string!", {}};

} // namespace

// ---------------------------------------------------------------------------
// Generic bounded integers.

bool CData::StrToInt(int& target, std::string_view text, int min, int max)
{
    // Two's complement view of the 32 bits (well defined since C++20).
    target = static_cast<std::int32_t>(ParseDecimal(text));
    if (target >= min && target <= max)
        return true;
    target = min;
    return Reject("StrToInt() Invalid range!");
}

bool CData::IntToStr(int& value, std::string& out, int min, int max)
{
    const bool inRange = value >= min && value <= max;
    if (!inRange)
        value = min;
    out = std::to_string(value);
    return inRange || Reject("IntToStr() Invalid range!");
}

// ---------------------------------------------------------------------------
// Named bounded integers.

bool CData::DialLenToStr(int& value, std::string& out) { return WriteBounded(value, out, kDialLen); }
bool CData::StrToDialLen(int& target, std::string_view text) { return ReadBounded(target, text, kDialLen); }
bool CData::LoudToStr(int& value, std::string& out) { return WriteBounded(value, out, kLoud); }
bool CData::StrToLoud(int& target, std::string_view text) { return ReadBounded(target, text, kLoud); }
bool CData::LoudHandToStr(int& value, std::string& out) { return WriteBounded(value, out, kLoudHand); }
bool CData::StrToLoudHand(int& target, std::string_view text) { return ReadBounded(target, text, kLoudHand); }
bool CData::MelodyToStr(int& value, std::string& out) { return WriteBounded(value, out, kMelody); }
bool CData::StrToMelody(int& target, std::string_view text) { return ReadBounded(target, text, kMelody); }
bool CData::MelodyExtToStr(int& value, std::string& out) { return WriteBounded(value, out, kMelodyExt); }
bool CData::StrToMelodyExt(int& target, std::string_view text) { return ReadBounded(target, text, kMelodyExt); }
bool CData::MsnIdToStr(int& value, std::string& out) { return WriteBounded(value, out, kMsnId); }
bool CData::StrToMsnId(int& target, std::string_view text) { return ReadBounded(target, text, kMsnId); }
bool CData::LcrRepeatToStr(int& value, std::string& out) { return WriteBounded(value, out, kLcrRepeat); }
bool CData::StrToLcrRepeat(int& target, std::string_view text) { return ReadBounded(target, text, kLcrRepeat); }

// The cost counter spans all 32 bits: it never fails; its text is the value
// taken as signed, and reading gives back the same bits.
bool CData::PayCounterToStr(std::uint32_t& value, std::string& out)
{
    out = std::to_string(static_cast<std::int32_t>(value));
    return true;
}

bool CData::StrToPayCounter(std::uint32_t& target, std::string_view text)
{
    target = ParseDecimal(text);
    return true;
}

// ---------------------------------------------------------------------------
// Keyword kinds.

bool CData::StrToKeyUse(int& target, std::string_view text) { return ReadKeyword(target, text, kKeyUse); }
bool CData::KeyUseToStr(int value, std::string& out) { return WriteKeyword(value, out, kKeyUse); }
bool CData::StrToDialKeyUse(int& target, std::string_view text) { return ReadKeyword(target, text, kDialKeyUse); }
bool CData::DialKeyUseToStr(int value, std::string& out) { return WriteKeyword(value, out, kDialKeyUse); }
bool CData::StrToPhoneType(int& target, std::string_view text) { return ReadKeyword(target, text, kPhoneType); }
bool CData::PhoneTypeToStr(int value, std::string& out) { return WriteKeyword(value, out, kPhoneType); }
bool CData::StrToDialFilterUse(int& target, std::string_view text) { return ReadKeyword(target, text, kDialFilterUse); }
bool CData::DialFilterUseToStr(int value, std::string& out) { return WriteKeyword(value, out, kDialFilterUse); }
bool CData::StrToQuitTone(int& target, std::string_view text) { return ReadKeyword(target, text, kQuitTone); }
bool CData::QuitToneToStr(int value, std::string& out) { return WriteKeyword(value, out, kQuitTone); }
bool CData::StrToSilence(int& target, std::string_view text) { return ReadKeyword(target, text, kSilence); }
bool CData::SilenceToStr(int value, std::string& out) { return WriteKeyword(value, out, kSilence); }
bool CData::StrToLcrMode(int& target, std::string_view text) { return ReadKeyword(target, text, kLcrMode); }
bool CData::LcrModeToStr(int value, std::string& out) { return WriteKeyword(value, out, kLcrMode); }
bool CData::StrToBool(int& target, std::string_view text) { return ReadKeyword(target, text, kBool); }

// Every value other than 1 is written "Off" without complaint.
bool CData::BoolToStr(int value, std::string& out)
{
    out = kBoolWords[value == 1 ? 1 : 0];
    return true;
}
