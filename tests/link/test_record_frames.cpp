// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "Derivat.h"
#include "RecordCodec.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Frames = std::vector<std::string>;

// Every switch of a write on but DialPreInt, which no telephone has.
Identity FullTelephone()
{
    return {.derivative = "ZEFIR", .firmware = "V3.20", .phoneType = 1};
}

Frames WriteFrames(const CData_All& data, const CDerivat& switches)
{
    Frames all;
    for (int state = kFirstCfgSenderState; state <= kLastCfgSenderState; ++state)
        for (std::string& f : CfgSenderFrames(state, data, switches.props))
            all.push_back(std::move(f));
    return all;
}

Frames AllFrames(const CData_All& data, const CDerivat& switches)
{
    Frames all = WriteFrames(data, switches);
    for (std::string& f : DialNameFrames(data, switches.props))
        all.push_back(std::move(f));
    return all;
}

// Values that differ from a fresh document wherever the line carries them.
CData_All FullConfig()
{
    CData_All d;
    CData_Basic& b = d.cfg.basic;
    b.DialPre = "0", b.DialLen = 3, b.LoudBox = 5, b.LoudHand = 2, b.Knock = 0, b.Silence = 2;
    b.PayMult = "1,5", b.PayStr = "EUR", b.ParkCode = "12", b.PabxType = "7", b.LcrMode = 2, b.LcrRepeat = 4;
    b.QuitTone = 2, b.LetterLarge = b.AutoExt = b.HeadSet = b.Lcr = b.PabxAtLowPower = b.FreeSpeakSilence = 1;
    b.DialFilterUse = 2;
    for (std::size_t i = 0; i < 6; ++i) {
        CData_MsnPara& m = d.cfg.msnPara[i];
        m.Msn = "471" + std::to_string(i), m.Txt = "B\xFCro" + std::to_string(i), m.MsnAws = "0301";
        m.Loud = 5, m.Melody = 7;
    }
    auto& k = d.cfg.dialKey;
    for (std::size_t use = 0; use < 13; ++use)
        k[use].KeyUse = static_cast<int>(use);
    k[0].DialKeyMsn = "0301111", k[0].DialKeyUse = 1, k[1].LineKeyMsn = "21", k[2].ExtKeyChannel = "5";
    k[3].MsnKeyMsn = "4712", k[3].MsnKeyMsnId = 3, k[5].VariantKeyMsnTeam = "07", k[6].LogOutKeyMsnTeam = "08";
    k[7].IntercomKeyMsnInt = "22", k[9].AnnounceKeyMsnInt = "23";
    k[11].ChefKeyMsnInt = "24", k[12].SecKeyMsnInt = "25";
    k[13].DialKeyUse = 2;
    d.cfg.dialIndex[3].Msn = "0301234", d.cfg.dialFilter[0].Msn = "0190", d.cfg.dialFilter[13].Msn = "110";
    CData_DialName& taxi = d.dialName.entry[11];
    taxi.Name = "Taxi", taxi.Msn = "123", taxi.MelodyExt = 10, taxi.Loud = 3;
    CData_DialName& first = d.dialName.entry[0];
    first.Name = "M\xFCller", first.Msn = "0309876", first.MelodyExt = 4, first.Loud = 6;
    return d;
}

} // namespace

TEST(RecordFrames, HexToIntTakesEitherCaseAndSkipsTheRest)
{
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("0c"), 12);
    EXPECT_EQ(HexToInt("Ab"), 0xAB);
    EXPECT_EQ(HexToInt("x1-g2 "), 0x12);
}

TEST(RecordFrames, SingleValuesGoOutExactly)
{
    const CDerivat switches = TestSwitches(FullTelephone());
    const CData_All d = FullConfig();
    const std::pair<int, Frames> expected[] = {
        {6, {":830000010"}},      {7, {":8400000203"}},    {8, {":9000000205"}},   {9, {":9100000202"}},
        {10, {":9200000200"}},    {11, {":9300000202"}},   {12, {":850000031,5"}}, {13, {":86000003EUR"}},
        {14, {":8800000212"}},    {15, {}},                {16, {":8A0000017"}},   {17, {":8B00000224"}},
        {18, {":9400000202"}},    {19, {":9500000201"}},   {20, {":9600000201"}},  {21, {":9700000201"}},
        {22, {":9900000201"}},    {23, {":9A00000201"}},   {24, {":9B00000201"}},  {29, {":8700000202"}},
    };
    for (const auto& [state, frames] : expected)
        EXPECT_EQ(CfgSenderFrames(state, d, switches.props), frames) << CfgSenderName(state);

    EXPECT_EQ(CfgSenderFrames(6, CData_All(), switches.props), Frames{":83000000"});
    EXPECT_STREQ(CfgSenderName(29), "State_Tx_DialFilterUse");
}

TEST(RecordFrames, RepeatedRecordsAndPhoneBookGoOutExactly)
{
    const CDerivat switches = TestSwitches(FullTelephone());
    CData_All d = FullConfig();
    const Frames keys = CfgSenderFrames(26, d, switches.props);
    const Frames expectedKeys = {
        ":71010T070301111", ":B002000221", ":B10300025", ":B20403044712", ":B405000000",
        ":B306000207",      ":B507000208", ":B808000222", ":B909000000",   ":B60a000223",
        ":B70b000000",      ":BA0c000224", ":BB0d000225", ":710e0K00",
    };
    EXPECT_EQ(keys, expectedKeys);
    d.cfg.dialKey[0].KeyUse = 99, d.cfg.dialKey[0].DialKeyUse = 7;
    EXPECT_EQ(CfgSenderFrames(26, d, switches.props)[0], ":71010N070301111");

    const Frames own = CfgSenderFrames(25, d, switches.props);
    ASSERT_EQ(own.size(), 30u);
    const Frames firstOwn(own.begin(), own.begin() + 6);
    EXPECT_EQ(firstOwn, (Frames{":A00100044710", ":A001010105", ":A001020107", ":A0010305B\xFCro0",
                                ":A00104040301", ":A00200044711"}));

    const Frames speedDial = CfgSenderFrames(27, d, switches.props);
    ASSERT_EQ(speedDial.size(), 10u);
    EXPECT_EQ(speedDial[3], ":820300070301234");
    EXPECT_EQ(speedDial[9], ":82090000");
    const Frames dialControl = CfgSenderFrames(28, d, switches.props);
    ASSERT_EQ(dialControl.size(), 14u);
    EXPECT_EQ(dialControl[13], ":720d0003110");

    d.dialName.entry[5].Msn = "555"; // a number without a name stays home
    const Frames phoneBook = {":70010607M\xFCller030987602040206", ":700c0403Taxi123020A0203"};
    EXPECT_EQ(DialNameFrames(d, switches.props), phoneBook);

    const CDerivat before2000 = TestSwitches({.firmware = "V1.00"});
    EXPECT_EQ(DialNameFrames(d, before2000.props)[1], ":700c0403Taxi123");
}

TEST(RecordFrames, SwitchesDecideWhatAWriteSendsAndAReadCounts)
{
    {
        const CDerivat switches = TestSwitches({.firmware = "V1.00"});
        for (int state = kFirstCfgSenderState; state <= kLastCfgSenderState; ++state) {
            const bool sent = state <= 9 || (state >= 25 && state <= 27);
            EXPECT_EQ(CfgSenderFrames(state, FullConfig(), switches.props).empty(), !sent) << CfgSenderName(state);
        }
    }
    const std::pair<Identity, int> identities[] = {
        {{.firmware = "V1.00"}, 52},
        {{.firmware = "V2.00", .phoneType = 0}, 83},
        {{}, 90}, // the shipped one: no Lcr, no AutoExt
        {FullTelephone(), 93},
    };
    for (const auto& [identity, count] : identities) {
        const CDerivat switches = TestSwitches(identity);
        const DerivatProperties& p = switches.props;
        EXPECT_EQ(CfgRecordCount(p), count) << identity.firmware;
        // The cost counters are the only records a write does not send.
        const auto sent = static_cast<int>(WriteFrames(FullConfig(), switches).size());
        EXPECT_EQ(sent, count - 6 * p.PropPayCounter) << identity.firmware;
    }
}

namespace {

// One received frame: what DecodeRecord answers, the one "CTrans" line it
// writes (nullptr: none) and what must hold afterwards. The cases run in
// order on one document.
struct RxCase {
    const char* frame;
    RxRecord result;
    const char* message;
    bool (*holds)(const CData_All&);
};

using RxRecord::EndRecord, RxRecord::Ignored, RxRecord::Stored;
const CData_Basic& B(const CData_All& x) { return x.cfg.basic; }
const CData_DialKey& Key3(const CData_All& x) { return x.cfg.dialKey[2]; }
const CData_DialName& Entry(const CData_All& x, std::size_t n) { return x.dialName.entry[n - 1]; }

const RxCase kRxCases[] = {
    {":8B00000224", Stored, nullptr, [](auto& x) { return B(x).LcrMode == 2 && B(x).LcrRepeat == 4; }},
    {":8B00000235", Stored, "State_Rx() LcrMode:8B Invalid Data!",
     [](auto& x) { return B(x).LcrMode == 3 && B(x).LcrRepeat == 5; }},
    {":840000020c", Stored, "State_Rx() DialLen:84 Invalid Data!", [](auto& x) { return B(x).DialLen == 0; }},
    {":9200000205", Stored, nullptr, [](auto& x) { return B(x).Knock == 5; }},
    {":830000051234567", Stored, "State_Rx() DialPre:83 Invalid Data!",
     [](auto& x) { return B(x).DialPre == "1234"; }},
    {":00000001", EndRecord, nullptr, nullptr},
    {":9800000201", Ignored, "State_Rx() Invalid frame type!", nullptr},
    {":A00205041234", Stored, nullptr, [](auto& x) { return x.cfg.msnPara[1].PayCounter == 1234u; }},
    {":A001010152", Stored, nullptr, [](auto& x) { return x.cfg.msnPara[0].Loud == 5; }},
    {":A00700044711", Ignored, "State_Rx() MsnPara:A0 Invalid Index!", nullptr},
    {":A00106044711", Ignored, "State_Rx() MsnPara:A0 Invalid type!", nullptr},
    {":71030X03123", Stored, "State_Rx() :DialKey:71 Invalid Use!",
     [](auto& x) { return Key3(x).KeyUse == 0 && Key3(x).DialKeyUse == 0 && Key3(x).DialKeyMsn == "123"; }},
    {":71030k0212", Stored, "State_Rx() :DialKey:71 Invalid Use!", [](auto& x) { return Key3(x).DialKeyUse == 0; }},
    {":B203070212", Stored, "State_Rx() DialKey:MsnKey:B2 Invalid Data!",
     [](auto& x) { return Key3(x).KeyUse == 3 && Key3(x).MsnKeyMsnId == 0 && Key3(x).MsnKeyMsn == "12"; }},
    {":B4030000", Stored, nullptr, [](auto& x) { return Key3(x).KeyUse == 4 && Key3(x).MsnKeyMsn == "12"; }},
    {":B00f000221", Ignored, "State_Rx() DialKey:LineKey:B0 Invalid Index!", nullptr},
    {":820a0003123", Ignored, "State_Rx() DialIndex:82 Invalid Index!", nullptr},
    {":720e0003123", Ignored, "State_Rx() DialFilter:72 Invalid Index!", nullptr},
    {":820900021x", Stored, "State_Rx() DialIndex:82 Invalid Msn!",
     [](auto& x) { return x.cfg.dialIndex[9].Msn == "1"; }},
    {":700c0403Taxi123020A0203", Stored, nullptr, [](auto& x) {
         const CData_DialName& e = Entry(x, 12);
         return e.Name == "Taxi" && e.Msn == "123" && e.MelodyExt == 10 && e.Loud == 3;
     }},
    {":70010403Taxi123", Stored, nullptr,
     [](auto& x) { return Entry(x, 1).MelodyExt == 0 && Entry(x, 1).Loud == 3; }},
    // A name length of 25 reads 20 characters and takes the number from position 29.
    {":70021902ABCDEFGHIJKLMNOPQRSTUVWXY12", Stored, "State_Rx() DialName:70 Invalid Msn!",
     [](auto& x) { return Entry(x, 2).Name == "ABCDEFGHIJKLMNOPQRST" && Entry(x, 2).Msn.empty(); }},
    {":70030103A123020c0203", Stored, "State_Rx() DialName:70 Invalid MelodyExt!",
     [](auto& x) { return Entry(x, 3).MelodyExt == 0 && Entry(x, 3).Loud == 3; }},
    {":70040103A12302050207", Stored, "State_Rx() DialName:70 Invalid Loud!",
     [](auto& x) { return Entry(x, 4).MelodyExt == 5 && Entry(x, 4).Loud == 0; }},
    {":70000403Taxi123", Ignored, "State_Rx() DialName:70 Invalid Index!", nullptr},
    {":70c90403Taxi123", Ignored, "State_Rx() DialName:70 Invalid Index!", nullptr},
};

} // namespace

TEST(RecordFrames, DecodesStoresRepairsAndIgnores)
{
    const CDerivat switches = TestSwitches(FullTelephone());
    CData_All d;
    for (const RxCase& c : kRxCases) {
        TraceCapture trace;
        const CData_All before = d;
        EXPECT_EQ(DecodeRecord(c.frame, d, switches.Rules()), c.result) << c.frame;
        Frames messages;
        for (const std::string& line : trace.Lines())
            if (line.starts_with("CTrans: "))
                messages.push_back(line.substr(8));
        EXPECT_EQ(messages, c.message ? Frames{c.message} : Frames{}) << c.frame;
        if (c.result != Stored) {
            EXPECT_TRUE(d == before) << c.frame;
        }
        if (c.holds) {
            EXPECT_TRUE(c.holds(d)) << c.frame;
        }
    }
}

TEST(RecordFrames, ShortAndGarbledFramesAreSafe)
{
    const CDerivat switches = TestSwitches(FullTelephone());
    TraceCapture trace;
    CData_All d;
    Frames sources = AllFrames(FullConfig(), switches);
    sources.push_back(":92000014ffffffffffffffffffffffff"); // more digits than an int holds
    for (const std::string& full : sources)
        for (std::size_t n = 0; n <= full.size(); ++n)
            DecodeRecord(std::string(full, 0, n), d, switches.Rules()); // a copy that really ends there
    EXPECT_EQ(DecodeRecord(":7", d, switches.Rules()), RxRecord::Ignored);
}

TEST(RecordFrames, WhatAWriteSendsAReadGivesBack)
{
    const CDerivat switches = TestSwitches(FullTelephone());
    const CData_All sent = FullConfig();
    TraceCapture trace;
    CData_All received;
    for (const std::string& f : AllFrames(sent, switches))
        EXPECT_EQ(DecodeRecord(f, received, switches.Rules()), RxRecord::Stored) << f;
    EXPECT_TRUE(trace.Lines().empty());

    CData_All expected = sent;
    // Own-number volume and melody announce one character, so only the
    // leading "0" of the two digits is read back.
    for (CData_MsnPara& m : expected.cfg.msnPara)
        m.Loud = m.Melody = 0;
    EXPECT_TRUE(received == expected);
}
