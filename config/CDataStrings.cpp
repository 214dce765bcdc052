// SPDX-License-Identifier: GPL-3.0-or-later
// Character filters and string kinds of CData.
#include "CData.h"

#include "Derivat.h"
#include "Trace.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

namespace {

// ---------------------------------------------------------------------------
// Character classes: one 256-entry table per class, built at compile time.

using CharTable = std::array<bool, 256>;

struct ByteRange {
    unsigned char first;
    unsigned char last;
};

constexpr CharTable MakeTable(std::initializer_list<ByteRange> ranges)
{
    CharTable table{};
    for (const ByteRange& r : ranges)
        for (unsigned c = r.first; c <= r.last; ++c)
            table[c] = true;
    return table;
}

constexpr CharTable kDigits = MakeTable({{'0', '9'}});
constexpr CharTable kNumber = MakeTable({{'0', '9'}, {'#', '#'}, {'*', '*'}});

// Space to "&", "(" to "[", "]" to "}" and the single Windows-1252 letters
// ´ Ä Ü Ö ä ö ü ß ñ µ ÷ ¢ ¥.
constexpr CharTable kName = MakeTable({
    {0x20, 0x26}, {0x28, 0x5B}, {0x5D, 0x7D}, {0xB4, 0xB4}, {0xC4, 0xC4}, {0xDC, 0xDC},
    {0xD6, 0xD6}, {0xE4, 0xE4}, {0xF6, 0xF6}, {0xFC, 0xFC}, {0xDF, 0xDF}, {0xF1, 0xF1},
    {0xB5, 0xB5}, {0xF7, 0xF7}, {0xA2, 0xA2}, {0xA5, 0xA5},
});

// The name class plus æ Æ ø Ø å Å €.
constexpr CharTable kNameExt = [] {
    CharTable table = kName;
    for (unsigned c : {0xE6u, 0xC6u, 0xF8u, 0xD8u, 0xE5u, 0xC5u, 0x80u})
        table[c] = true;
    return table;
}();

bool Reject(std::string_view message)
{
    TraceLine("CData", message);
    return false;
}

bool Accepts(const CharTable& table, char c)
{
    return table[static_cast<unsigned char>(c)];
}

// Keeps the characters of the class; traces once when any was dropped.
bool FilterByTable(std::string& target, std::string_view text, const CharTable& table,
                   std::string_view message)
{
    target.clear();
    bool dropped = false;
    for (char c : text) {
        if (Accepts(table, c))
            target.push_back(c);
        else
            dropped = true;
    }
    return dropped ? Reject(message) : true;
}

// ---------------------------------------------------------------------------
// String kinds: a filter followed by a length rule.

struct StringKind {
    bool (*filter)(std::string&, std::string_view, const CodecRules&);
    std::size_t minLen;  // shortest allowed non-empty length
    std::size_t maxLen;  // 0: the rules' internal-number length
    bool cut;            // too long: cut to maxLen; otherwise the string is emptied
    std::string_view message;
};

// A filter that needs no rules.
template <bool (*Filter)(std::string&, std::string_view)>
bool Plain(std::string& target, std::string_view text, const CodecRules&)
{
    return Filter(target, text);
}

std::size_t MaxLength(const StringKind& kind, const CodecRules& rules)
{
    if (kind.maxLen != 0)
        return kind.maxLen;
    return static_cast<std::size_t>(std::max(0, rules.msnIntLen));
}

bool ReadString(std::string& target, std::string_view text, const StringKind& kind, const CodecRules& rules = {})
{
    const bool filtered = kind.filter(target, text, rules);
    const std::size_t maxLen = MaxLength(kind, rules);
    const std::size_t len = target.size();
    if (len == 0 || (len >= kind.minLen && len <= maxLen))
        return filtered;
    if (kind.cut && len > maxLen)
        target.resize(maxLen);
    else
        target.clear();
    return Reject(kind.message);
}

constexpr auto kMsnFilter = &Plain<&CData::StrToMsnStr>;
constexpr auto kNumFilter = &Plain<&CData::StrToNumStr>;
constexpr StringKind kMsnExt{kMsnFilter, 1, 20, true, "StrToMsnExt() Invalid length!"};
constexpr StringKind kMsnPreCall{kMsnFilter, 1, 17, true, "StrToMsnPreCall() Invalid length!"};
constexpr StringKind kDialPre{kMsnFilter, 1, 4, true, "StrToDialPre() Invalid length!"};
constexpr StringKind kNameKind{&CData::StrToNameStr, 1, 20, true, "StrToName() Invalid length!"};
constexpr StringKind kTxt{&CData::StrToNameStr, 1, 5, true, "StrToTxt() Invalid length!"};
constexpr StringKind kPayStr{&CData::StrToNameStr, 1, 6, true, "StrToPayStr() Invalid length!"};
constexpr StringKind kPayMult{&Plain<&CData::StrToPayMultStr>, 1, 5, true, "StrToPayMult() Invalid length!"};
constexpr StringKind kChannel{kNumFilter, 1, 2, true, "StrToChannel() Invalid length!"};
constexpr StringKind kParkCode{kNumFilter, 1, 2, true, "StrToParkCode() Invalid length!"};
constexpr StringKind kPabxType{kNumFilter, 1, 2, true, "StrToPabxType() Invalid length!"};
constexpr StringKind kMsnInt{kMsnFilter, 1, 0, false, "StrToMsnInt() Invalid length!"};
constexpr StringKind kTeam{kNumFilter, 2, 2, false, "StrToTeam() Invalid length!"};

} // namespace

// ---------------------------------------------------------------------------
// Character filters.

bool CData::StrToNumStr(std::string& target, std::string_view text)
{
    return FilterByTable(target, text, kDigits, "StrToNumStr() Invalid char!");
}

bool CData::StrToMsnStr(std::string& target, std::string_view text)
{
    return FilterByTable(target, text, kNumber, "StrToMsnStr() Invalid char!");
}

bool CData::StrToNameStr(std::string& target, std::string_view text, const CodecRules& rules)
{
    const CharTable& table = rules.extendedCharSet ? kNameExt : kName;
    return FilterByTable(target, text, table, "StrToNameStr() Invalid char!");
}

// Digits and one comma; the comma never as the result's first character
// (also not once what stood before it was dropped, or the value would read
// back differently), at most four digits in all.
bool CData::StrToPayMultStr(std::string& target, std::string_view text)
{
    target.clear();
    bool dropped = false;
    bool comma = false;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool isComma = c == ',';
        const bool keep = isComma ? (!target.empty() && !comma) : (Accepts(kDigits, c) && digits < 4);
        if (!keep) {
            dropped = true;
            continue;
        }
        target.push_back(c);
        if (isComma)
            comma = true;
        else
            ++digits;
    }
    return dropped ? Reject("StrToPayMultStr() Invalid char!") : true;
}

// ---------------------------------------------------------------------------
// String kinds.

bool CData::StrToMsnExt(std::string& target, std::string_view text) { return ReadString(target, text, kMsnExt); }
bool CData::StrToMsnPreCall(std::string& target, std::string_view text) { return ReadString(target, text, kMsnPreCall); }
bool CData::StrToDialPre(std::string& target, std::string_view text) { return ReadString(target, text, kDialPre); }
bool CData::StrToName(std::string& target, std::string_view text, const CodecRules& rules)
{
    return ReadString(target, text, kNameKind, rules);
}
bool CData::StrToTxt(std::string& target, std::string_view text, const CodecRules& rules)
{
    return ReadString(target, text, kTxt, rules);
}
bool CData::StrToPayStr(std::string& target, std::string_view text, const CodecRules& rules)
{
    return ReadString(target, text, kPayStr, rules);
}
bool CData::StrToPayMult(std::string& target, std::string_view text) { return ReadString(target, text, kPayMult); }
bool CData::StrToChannel(std::string& target, std::string_view text) { return ReadString(target, text, kChannel); }
bool CData::StrToParkCode(std::string& target, std::string_view text) { return ReadString(target, text, kParkCode); }
bool CData::StrToPabxType(std::string& target, std::string_view text) { return ReadString(target, text, kPabxType); }
bool CData::StrToMsnInt(std::string& target, std::string_view text, const CodecRules& rules)
{
    return ReadString(target, text, kMsnInt, rules);
}
bool CData::StrToTeam(std::string& target, std::string_view text) { return ReadString(target, text, kTeam); }
