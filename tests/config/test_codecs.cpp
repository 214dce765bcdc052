// SPDX-License-Identifier: GPL-3.0-or-later
// Value codecs of CData.
#include "CData.h"
#include "CData_Basic.h"
#include "ProfileFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace {

using SR = std::pair<std::string, bool>; // stored string, result
using IR = std::pair<int, bool>;         // stored value, result

using Reader = std::function<bool(std::string&, std::string_view)>;

// A kind that depends on the telephone, under the rules of switches.
Reader R(bool (*fn)(std::string&, std::string_view, const CodecRules&), const CDerivat& switches = TestSwitches())
{
    return [fn, rules = switches.Rules()](std::string& target, std::string_view text) {
        return fn(target, text, rules);
    };
}

SR S(const Reader& fn, std::string_view text)
{
    std::string s = "old";
    const bool ok = fn(s, text);
    return {s, ok};
}

IR I(bool (*fn)(int&, std::string_view), std::string_view text)
{
    int v = 77;
    const bool ok = fn(v, text);
    return {v, ok};
}

IR Int(std::string_view text, int min, int max)
{
    int v = 77;
    const bool ok = CData::StrToInt(v, text, min, max);
    return {v, ok};
}

std::vector<std::string> Entries(std::initializer_list<const char*> messages)
{
    std::vector<std::string> lines;
    for (const char* m : messages)
        lines.push_back(std::string("CData: ") + m);
    return lines;
}

class Codecs : public ::testing::Test {
protected:
    TraceCapture trace; // rules of the shipped identity unless said: VARONIK, V3.20
};

TEST_F(Codecs, EmptyTextPerKind)
{
    for (const Reader& fn : std::vector<Reader>{
             &CData::StrToMsnExt, &CData::StrToMsnPreCall, &CData::StrToDialPre, R(&CData::StrToName),
             R(&CData::StrToTxt), R(&CData::StrToPayStr), &CData::StrToPayMult, &CData::StrToChannel,
             &CData::StrToParkCode, &CData::StrToPabxType, R(&CData::StrToMsnInt), &CData::StrToTeam})
        EXPECT_EQ(S(fn, ""), SR("", true));
    EXPECT_EQ(I(&CData::StrToLoud, ""), IR(0, true));
    EXPECT_EQ(Int("", 1000, 10000), IR(1000, false)); // Vers
    EXPECT_EQ(I(&CData::StrToQuitTone, ""), IR(0, false));
    EXPECT_EQ(I(&CData::StrToBool, ""), IR(0, false));
    EXPECT_EQ(trace.Lines(), Entries({"StrToInt() Invalid range!", "StrToQuitTone() Invalid string!",
                                      "StrToBool() Invalid string!"}));
}

TEST_F(Codecs, StringKindsFilterAndLength)
{
    EXPECT_EQ(S(&CData::StrToMsnExt, std::string(25, '7')), SR(std::string(20, '7'), false));
    EXPECT_EQ(S(&CData::StrToMsnExt, "*31#"), SR("*31#", true));
    EXPECT_EQ(S(&CData::StrToMsnExt, "0 30-123"), SR("030123", false));
    EXPECT_EQ(S(R(&CData::StrToTxt), "Abcdef"), SR("Abcde", false));
    EXPECT_EQ(trace.Lines(), Entries({"StrToMsnExt() Invalid length!", "StrToMsnStr() Invalid char!",
                                      "StrToTxt() Invalid length!"}));
    trace.Clear();
    EXPECT_EQ(S(&CData::StrToChannel, "1a23"), SR("12", false)); // dropped and too long: both lines
    EXPECT_EQ(trace.Lines(), Entries({"StrToNumStr() Invalid char!", "StrToChannel() Invalid length!"}));
    EXPECT_EQ(S(R(&CData::StrToName), "O'Neil\\~\t"), SR("ONeil", false));
}

TEST_F(Codecs, TeamAndMsnIntLengths)
{
    EXPECT_EQ(S(&CData::StrToTeam, "7"), SR("", false));
    EXPECT_EQ(S(&CData::StrToTeam, "07"), SR("07", true));
    EXPECT_EQ(S(&CData::StrToTeam, "123"), SR("", false));
    EXPECT_EQ(S(R(&CData::StrToMsnInt), "123"), SR("123", true)); // VARONIK: PropMsnIntLen 3
    EXPECT_EQ(S(R(&CData::StrToMsnInt), "1234"), SR("", false));
    const CDerivat kalma = TestSwitches({.derivative = "KALMA"}); // PropMsnIntLen 2
    EXPECT_EQ(S(R(&CData::StrToMsnInt, kalma), "123"), SR("", false));
    EXPECT_EQ(S(R(&CData::StrToMsnInt, kalma), "12"), SR("12", true));
    EXPECT_EQ(trace.Count("CData: StrToMsnInt() Invalid length!"), 2);
}

TEST_F(Codecs, EuroSignNeedsExtendedCharSet)
{
    const std::string text = "5\x80 \xE6\xC4";
    EXPECT_EQ(S(R(&CData::StrToName, TestSwitches({.firmware = "V3.04"})), text), SR(text, true));
    EXPECT_EQ(S(R(&CData::StrToName, TestSwitches({.firmware = "V3.00"})), text), SR("5 \xC4", false));
    EXPECT_EQ(trace.Lines(), Entries({"StrToNameStr() Invalid char!"}));
}

TEST_F(Codecs, TariffFilter)
{
    EXPECT_EQ(S(&CData::StrToPayMult, "0,12"), SR("0,12", true));
    EXPECT_EQ(S(&CData::StrToPayMult, "12,345"), SR("12,34", false));
    EXPECT_EQ(S(&CData::StrToPayMult, ",5"), SR("5", false));
    EXPECT_EQ(S(&CData::StrToPayMult, "1,2,3"), SR("1,23", false));
    EXPECT_EQ(S(&CData::StrToPayMult, "12345"), SR("1234", false));
    EXPECT_EQ(trace.Count("CData: StrToPayMultStr() Invalid char!"), 4);
    EXPECT_EQ(trace.Lines().size(), 4u);
}

// A comma that follows only dropped characters would start the value, and
// the value would change when read again (as when a document is saved and
// opened).
TEST_F(Codecs, TariffCommaNeverLeadsAfterDroppedCharacters)
{
    EXPECT_EQ(S(&CData::StrToPayMult, "x,12"), SR("12", false));
    EXPECT_EQ(S(&CData::StrToPayMult, " 0,5"), SR("0,5", false));
    EXPECT_EQ(S(&CData::StrToPayMult, "DM,0,12"), SR("0,12", false));
    for (const char* text : {"x,12", "a,,1", " ,1,2", "-,9"}) {
        const auto once = S(&CData::StrToPayMult, text);
        EXPECT_EQ(S(&CData::StrToPayMult, once.first), SR(once.first, true)) << text;
    }
}

TEST_F(Codecs, BoundedIntegers)
{
    EXPECT_EQ(I(&CData::StrToLoud, " \t\n+6x"), IR(6, true));
    EXPECT_EQ(I(&CData::StrToLoud, "7"), IR(0, false));
    EXPECT_EQ(I(&CData::StrToMelodyExt, "11"), IR(11, true));
    EXPECT_EQ(I(&CData::StrToLoudHand, "-1"), IR(0, false));
    EXPECT_EQ(trace.Lines(), Entries({"StrToInt() Invalid range!", "StrToLoud() Invalid range!",
                                      "StrToInt() Invalid range!", "StrToLoudHand() Invalid range!"}));
    trace.Clear();
    std::string out;
    int v = 9;
    EXPECT_FALSE(CData::LoudToStr(v, out));
    EXPECT_EQ(IR(v, out == "0"), IR(0, true));
    EXPECT_EQ(trace.Lines(), Entries({"IntToStr() Invalid range!", "LoudToStr() Invalid range!"}));
    v = 3200;
    EXPECT_TRUE(CData::IntToStr(v, out, 1000, 10000));
    EXPECT_EQ(out, "3200");
}

// The version field's pair is private to its record: reached through the
// record's section. Accepted means the value stays as written.
bool ReadVers(int& target, std::string_view text)
{
    CProfileFile file;
    file.Parse("[Basic]\r\nVers=" + std::string(text) + "\r\n");
    CData_Basic basic;
    basic.MoveFile(file, false, CodecRules{});
    target = basic.Vers;
    return std::to_string(target) == text;
}

bool WriteVers(int& value, std::string& out)
{
    CProfileFile file;
    CData_Basic basic;
    basic.Vers = value;
    basic.MoveFile(file, true, CodecRules{});
    out = file.GetString("Basic", "Vers");
    const bool kept = basic.Vers == value;
    value = basic.Vers;
    return kept;
}

// Every bounded kind at its limits: the lowest and highest accepted value and
// the first refused one on each side, read and written.
TEST_F(Codecs, EveryBoundedIntegerAtItsLimits)
{
    const struct {
        const char* name;
        bool (*read)(int&, std::string_view);
        bool (*write)(int&, std::string&);
        int min, max;
    } kinds[] = {
        {"DialLen", &CData::StrToDialLen, &CData::DialLenToStr, 0, 9},
        {"Loud", &CData::StrToLoud, &CData::LoudToStr, 0, 6},
        {"LoudHand", &CData::StrToLoudHand, &CData::LoudHandToStr, 0, 3},
        {"Melody", &CData::StrToMelody, &CData::MelodyToStr, 0, 9},
        {"MelodyExt", &CData::StrToMelodyExt, &CData::MelodyExtToStr, 0, 11},
        {"MsnId", &CData::StrToMsnId, &CData::MsnIdToStr, 0, 6},
        {"LcrRepeat", &CData::StrToLcrRepeat, &CData::LcrRepeatToStr, 0, 9},
        {"Vers", &ReadVers, &WriteVers, 1000, 10000},
    };
    for (const auto& k : kinds) {
        for (const int v : {k.min - 1, k.min, k.max, k.max + 1}) {
            SCOPED_TRACE(std::string(k.name) + " " + std::to_string(v));
            const bool ok = v >= k.min && v <= k.max;
            const int stored = ok ? v : k.min;
            EXPECT_EQ(I(k.read, std::to_string(v)), IR(stored, ok));
            int value = v;
            std::string out;
            EXPECT_EQ(k.write(value, out), ok);
            EXPECT_EQ(IR(value, out == std::to_string(stored)), IR(stored, true));
        }
    }
    // The cost counter takes all 32 bits: nothing lies outside.
    std::uint32_t counter = 1;
    EXPECT_TRUE(CData::StrToPayCounter(counter, "4294967295"));
    EXPECT_EQ(counter, 4294967295u);
}

// Every string kind at its length limit: the longest text kept as it is, and
// one character more cut or emptied.
TEST_F(Codecs, EveryStringKindAtItsLengthLimit)
{
    const struct {
        const char* name;
        Reader read;
        char sample;
        std::size_t max;
        bool cut;
    } kinds[] = {
        {"MsnExt", &CData::StrToMsnExt, '#', 20, true},   {"MsnPreCall", &CData::StrToMsnPreCall, '1', 17, true},
        {"DialPre", &CData::StrToDialPre, '*', 4, true},  {"Name", R(&CData::StrToName), 'a', 20, true},
        {"Txt", R(&CData::StrToTxt), 'a', 5, true},          {"PayStr", R(&CData::StrToPayStr), 'a', 6, true},
        {"Channel", &CData::StrToChannel, '1', 2, true},  {"ParkCode", &CData::StrToParkCode, '1', 2, true},
        {"PabxType", &CData::StrToPabxType, '1', 2, true}, {"MsnInt", R(&CData::StrToMsnInt), '1', 3, false},
        {"Team", &CData::StrToTeam, '1', 2, false},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.name);
        const std::string longest(k.max, k.sample);
        EXPECT_EQ(S(k.read, longest), SR(longest, true));
        EXPECT_EQ(S(k.read, longest + k.sample), SR(k.cut ? longest : "", false));
    }
    EXPECT_EQ(S(&CData::StrToTeam, "1"), SR("", false)); // a team has exactly two digits
    EXPECT_EQ(S(&CData::StrToPayMult, "1,234"), SR("1,234", true)); // the filter keeps it within 5
}

TEST_F(Codecs, StrToIntWrapsLikeUnsigned32Bits) // no signed overflow under UBSan
{
    EXPECT_TRUE(Int("99999999999999999999999", INT32_MIN, INT32_MAX).second);
    EXPECT_EQ(Int("4294967297", 0, 10), IR(1, true));
    EXPECT_EQ(Int("-2147483648", INT32_MIN, 0), IR(INT32_MIN, true));
    EXPECT_EQ(Int("2147483648", INT32_MIN, 0), IR(INT32_MIN, true));
}

TEST_F(Codecs, PayCounterRoundTrip)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {4294967295u, "-1"}, {2147483648u, "-2147483648"}, {2147483647u, "2147483647"}, {0u, "0"}};
    for (auto [value, text] : cases) {
        std::string out;
        std::uint32_t copy = value, back = 1;
        EXPECT_TRUE(CData::PayCounterToStr(copy, out) && CData::StrToPayCounter(back, out));
        EXPECT_EQ(std::pair(out, back), std::pair(std::string(text), value));
    }
    std::uint32_t v = 0;
    EXPECT_TRUE(CData::StrToPayCounter(v, "4294967295"));
    EXPECT_EQ(v, 4294967295u);
    EXPECT_TRUE(trace.Lines().empty());
}

TEST_F(Codecs, Keywords)
{
    std::string out;
    EXPECT_EQ(I(&CData::StrToKeyUse, "DIALKEY"), IR(KEYUSE_DIAL, true));
    EXPECT_TRUE(CData::KeyUseToStr(KEYUSE_DIAL, out));
    EXPECT_EQ(out, "DIAL");
    EXPECT_EQ(I(&CData::StrToKeyUse, "MSNKEY"), IR(KEYUSE_MSN, true));
    EXPECT_EQ(I(&CData::StrToKeyUse, "SEC"), IR(KEYUSE_SEC, true));
    EXPECT_EQ(I(&CData::StrToDialFilterUse, "BLOCKALLEXPECTFREE"), IR(2, true));
    EXPECT_EQ(I(&CData::StrToPhoneType, "Q411"), IR(1, false));
    EXPECT_EQ(I(&CData::StrToSilence, "on"), IR(0, false));
    EXPECT_FALSE(CData::LcrModeToStr(3, out));
    EXPECT_EQ(out, "DEFAULT_CARRIER");
    EXPECT_FALSE(CData::PhoneTypeToStr(-1, out));
    EXPECT_EQ(out, "QL410");
    EXPECT_EQ(trace.Lines(), Entries({"StrToPhoneType() Invalid string!", "StrToSilence() Invalid string!",
                                      "LcrModeToStr() Invalid value!", "PhoneTypeToStr() Invalid value!"}));
}

TEST_F(Codecs, Booleans)
{
    EXPECT_EQ(I(&CData::StrToBool, "On"), IR(1, true));
    EXPECT_EQ(I(&CData::StrToBool, "Off"), IR(0, true));
    for (const char* text : {"On ", "on", "1", "ON"})
        EXPECT_EQ(I(&CData::StrToBool, text), IR(0, false)) << text;
    EXPECT_EQ(trace.Count("CData: StrToBool() Invalid string!"), 4);
    trace.Clear();
    std::string on, off;
    EXPECT_TRUE(CData::BoolToStr(1, on) && CData::BoolToStr(2, off));
    EXPECT_EQ(on + "/" + off, "On/Off");
    EXPECT_TRUE(trace.Lines().empty());
}

TEST(CDataColumns, UndefinedColumnText)
{
    struct Plain : CData {};
    EXPECT_EQ(Plain().GetColumnText(7), "Inf 7");
}

} // namespace
