// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "CTrans.h"
#include "Derivat.h"
#include "LinkFakes.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const std::string kAckLine = "\x06\r\n";
const std::string kEndRecord = ":00000001";

// The frame text of a line the PC sent, its checksum cut off.
std::string TextOf(const std::string& line)
{
    std::string text = line.substr(1, line.size() - 4);
    if (text.size() >= 2 && text[0] == ':')
        text.resize(text.size() - 2);
    return text;
}

// The record types in order, runs written as "A0x30".
std::string TypeRuns(const Lines& texts)
{
    std::string runs;
    for (std::size_t i = 0; i < texts.size();) {
        std::size_t n = 1;
        while (i + n < texts.size() && texts[i + n].substr(1, 2) == texts[i].substr(1, 2))
            ++n;
        runs += (runs.empty() ? "" : " ") + texts[i].substr(1, 2) + (n > 1 ? "x" + std::to_string(n) : "");
        i += n;
    }
    return runs;
}

// A telephone on the other end of a fake port, driven by the test.
class Chain : public LinkFixture {
protected:
    explicit Chain(const Identity& identity = {}) : LinkFixture(identity) {}

    // Acknowledges every frame the PC sends until it stops; their texts.
    Lines AckFrames()
    {
        Lines texts;
        for (Lines lines = port.TakeNewLines(); !lines.empty(); lines = port.TakeNewLines())
            for (const std::string& line : lines)
                if (line[0] == '\x02') {
                    texts.push_back(TextOf(line));
                    Receive("\x06");
                }
        return texts;
    }
    // Ready frame sent and the PC's request acknowledged; the request.
    std::string StartRead(int firstState, const std::string& ready)
    {
        port.TakeNewLines();
        trans.StateSet(firstState);
        Send(ready);
        const Lines request = AckFrames();
        return request.empty() ? "" : request.front();
    }
};

struct WriteCase {
    const char* ready;
    const char* types;
    const char* skippedSender;
    int progress;
};

TEST_F(Chain, ConfigurationWriteSendsTheRecordsTheTelephoneKnows)
{
    const WriteCase cases[] = {
        {"TRANS Q410 QL410 V3.20",
         "83 84 90 91 92 93 85 86 88 8A 94 95 97 9A 9B A0x30 71x14 82x10 72x14 87 00", "State_Tx_LcrMode()", 100},
        // 52 frames against the 46 the progress counts on
        {"TRANS Q410 V1.00", "83 84 90 91 A0x24 71x14 82x10 00", "State_Tx_Knock()", 113},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.ready);
        trace.Clear();
        trans.StateSet(CTrans::STATE_WRITE_CFG);
        Send(c.ready);
        EXPECT_EQ(port.Lines().back().substr(0, 4), "\x02:83") << "first frame follows the ACK line";
        const Lines texts = AckFrames();
        EXPECT_EQ(TypeRuns(texts), c.types);
        EXPECT_EQ(texts.back(), kEndRecord);
        EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
        EXPECT_EQ(trans.GetProgress(), c.progress);
        EXPECT_TRUE(trace.Contains("CTrans: State_Tx_DialLen()"));
        EXPECT_FALSE(trace.Contains(std::string("CTrans: ") + c.skippedSender));
    }
    EXPECT_EQ(timers.Delays(), (std::vector<int>{300, 300, 300, 300}));
}

struct ReadyCase {
    const char* ready;
    const char* swVers;
    int version;
    int phoneType;
};

TEST_F(Chain, ConfigurationReadTakesTheTelephonesIdentityAndRecords)
{
    const ReadyCase cases[] = {
        {"TRANS Q410 QL410 V3.04", "V3.04", 3040, 1},
        {"TRANS Q410 Rev.3 v2.1", "v2.1", 2100, 0},
        {"TRANS Q410 QL410", "", 0, 1},
    };
    for (const ReadyCase& c : cases) {
        SCOPED_TRACE(c.ready);
        data = CData_All();
        EXPECT_EQ(StartRead(CTrans::STATE_READ_CFG, c.ready), "TK Q410");
        EXPECT_EQ(data.cfg.basic.SwVers, c.swVers);
        EXPECT_EQ(trans.Switches().version, c.version);
        EXPECT_EQ(data.cfg.basic.PhoneType, c.phoneType);
        EXPECT_EQ(trans.StateGet(), 40);

        Send(":8400000205");
        Send(":5F000000"); // a record without decoder: answered, not counted
        EXPECT_EQ(port.TakeNewLines(), (Lines{kAckLine, kAckLine}));
        EXPECT_EQ(data.cfg.basic.DialLen, 5);
        EXPECT_EQ(trans.GetProgress(), 1); // 1 of 52 to 87 records

        Send(kEndRecord);
        EXPECT_EQ(port.TakeNewLines(), (Lines{kAckLine, TelephoneFrame(kEndRecord)}));
        Receive("\x06");
        EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
        EXPECT_EQ(trans.GetProgress(), 100);
    }
}

TEST_F(Chain, PhoneBookWriteClearsTheTelephoneFirstAndSkipsUnnamedEntries)
{
    data.SetDialNameName(0, "\xC4rger");
    data.SetDialNameMsn(0, "1");
    data.SetDialNameMsn(1, "2");
    data.SetDialNameName(4, "Bob");
    trans.StateSet(CTrans::STATE_WRITE_DIALNAME);
    Send("TRANS Q410 V2.00"); // basic character table
    const Lines texts = AckFrames();
    EXPECT_EQ(texts, (Lines{":70000000", ":70010501\xE1rger102000203", ":70050300Bob02000203", kEndRecord}));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    EXPECT_EQ(trans.GetProgress(), 100);
    EXPECT_TRUE(trace.Contains("CTrans: State_Tx_DialName_Del()"));
}

TEST_F(Chain, PhoneBookWriteWithoutNamesEmptiesTheTelephone)
{
    data.SetDialNameMsn(0, "110");
    trans.StateSet(CTrans::STATE_WRITE_DIALNAME);
    Send("TRANS Q410 V3.20");
    EXPECT_EQ(trans.GetProgress(), 0);
    EXPECT_EQ(AckFrames(), (Lines{":70000000", kEndRecord}));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    EXPECT_EQ(trans.GetProgress(), 100);
}

// What a phone-book read leaves in the first three entries.
class PhoneBookRead : public Chain, public ::testing::WithParamInterface<const char*> {
protected:
    PhoneBookRead() : Chain({.phonebookPart = GetParam()}) {}
};

TEST_P(PhoneBookRead, IsSortedWhenThePhoneBookPartIsOn)
{
    EXPECT_EQ(StartRead(CTrans::STATE_READ_DIALNAME, "TRANS Q410 V2.00"), "TT Q410"); // basic table
    EXPECT_TRUE(trace.Contains("CTrans: State_Rx_Cfg_Beg()"));

    Send(":70010302Zoe12");
    Send(":70020402Adam34");
    Send(":70030302M\xE1x56"); // telephone's a
    Send(":70000302Nix78"); // no such record number: answered, not counted
    EXPECT_EQ(trans.GetProgress(), 1);
    Send(kEndRecord);
    Receive("\x06");
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    EXPECT_EQ(trans.GetProgress(), 100);
    const bool sorted = GetParam()[0] == '1';
    EXPECT_EQ(data.GetDialNameName(0), sorted ? "Adam" : "Zoe");
    EXPECT_EQ(data.GetDialNameName(1), sorted ? "M\xE4x" : "Adam");
    EXPECT_EQ(data.GetDialNameMsn(2), sorted ? "12" : "56");
}

INSTANTIATE_TEST_SUITE_P(PhoneBookPart, PhoneBookRead, ::testing::Values("1", "0"));

TEST_F(Chain, AWrongOrMissingReadyFrameFailsAndARepeatStartsAgain)
{
    for (const char* ready : {"TRANS Q41", "trans Q410 V3.20", " TRANS Q410 V3.20", ""}) {
        SCOPED_TRACE(ready);
        trans.StateSet(CTrans::STATE_WRITE_CFG);
        if (*ready) {
            Send(ready);
        } else {
            timers.Advance(CTrans::kWaitRdyMs - 1);
            EXPECT_EQ(trans.StateGet(), CTrans::STATE_WRITE_CFG);
            timers.Advance(1);
            EXPECT_TRUE(trace.Contains("CTrans: OnTimer() M_TRANS_WAITRDY_TIMER"));
        }
        EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
        EXPECT_TRUE(port.Lines().empty());
        EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_WAITRDY_TIMER));
    }
    trans.StateSet(CTrans::STATE_WRITE_CFG);
    Send("TRANS Q410 V3.20");
    EXPECT_EQ(trans.StateGet(), 6);
}

TEST_F(Chain, AbortSendsOneEndRecordAndEndsWithoutWaiting)
{
    for (bool ready : {false, true}) {
        SCOPED_TRACE(ready);
        trans.StateSet(CTrans::STATE_WRITE_CFG);
        if (ready)
            Send("TRANS Q410 V3.20"); // a frame is waiting for its ACK
        port.TakeNewLines();
        trans.StateSet(CTrans::STATE_ABORT);
        EXPECT_EQ(port.TakeNewLines(), Lines{TelephoneFrame(kEndRecord)});
        EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
        EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_WAITRDY_TIMER));
        EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_ANSWER_TIMER));
        Receive("\x06");
        EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    }
}

// With other telephones on the thread the pauses are timers: nothing is
// sent and nothing read until they are over, and an abort ends them.
TEST_F(Chain, OnASharedThreadThePausesAreTimersThatHoldTheTelephonesBytes)
{
    timers.pausesWithTimer = true;
    trans.StateSet(CTrans::STATE_READ_CFG);
    Send("TRANS Q410 QL410 V3.20");
    EXPECT_EQ(port.TakeNewLines(), Lines{kAckLine});
    port.Queue("\x06"); // a telephone quick to acknowledge the request still to come
    trans.OnRxL1();
    EXPECT_TRUE(port.HasInput());
    timers.Advance(299);
    EXPECT_TRUE(port.TakeNewLines().empty());
    timers.Advance(1);
    EXPECT_EQ(TextOf(port.TakeNewLines().at(0)), "TK Q410");
    EXPECT_EQ(trans.StateGet(), 40); // the held ACK was taken after the request
    Send(":00000001");
    EXPECT_EQ(port.TakeNewLines(), Lines{kAckLine});
    timers.Advance(300);
    EXPECT_EQ(port.TakeNewLines(), Lines{TelephoneFrame(kEndRecord)});
    Receive("\x06");
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    EXPECT_TRUE(timers.Delays().empty());

    trans.StateSet(CTrans::STATE_WRITE_CFG);
    Send("TRANS Q410 QL410 V3.20");
    port.TakeNewLines();
    trans.StateSet(CTrans::STATE_ABORT);
    EXPECT_EQ(port.TakeNewLines(), Lines{TelephoneFrame(kEndRecord)});
    timers.Advance(1000);
    EXPECT_TRUE(port.TakeNewLines().empty());
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
}

TEST_F(Chain, NothingReceivedWhileIdleFinishedOrFailedHasAnEffect)
{
    for (int state : {CTrans::STATE_IDLE, CTrans::STATE_END, CTrans::STATE_ERR}) {
        SCOPED_TRACE(state);
        const CData_All before = data;
        trans.StateSet(state);
        for (const std::string& bytes : {TelephoneFrame("TRANS Q410 QL410 V1.00"), TelephoneFrame(":8400000205"),
                                         TelephoneFrame(kEndRecord), std::string("\x06\x15")})
            Receive(bytes);
        EXPECT_EQ(trans.StateGet(), state);
        EXPECT_TRUE(data == before);
        EXPECT_TRUE(port.Lines().empty());
        EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_ANSWER_TIMER));
    }
    EXPECT_EQ(trans.GetProgress(), 0); // no transfer yet: no division by 0
}

} // namespace

// A stray ACK or NAK during a read once split as record type 00 and ended the
// read half-way, as if it had been complete.
TEST_F(Chain, AStrayAckDuringAReadNeitherEndsNorIsAnswered)
{
    EXPECT_EQ(StartRead(CTrans::STATE_READ_CFG, "TRANS Q410 QL410 V3.20"), "TK Q410");
    Send(":8400000205");
    port.TakeNewLines();
    for (const char* stray : {"\x06", "\x15"}) {
        Receive(stray);
        EXPECT_TRUE(port.TakeNewLines().empty());
        EXPECT_EQ(trans.StateGet(), 40);
    }
    Send(":8400000207");
    EXPECT_EQ(data.cfg.basic.DialLen, 7);
    EXPECT_GT(trans.GetProgress(), 0);
}

namespace {

// One telephone on its own port, link and timers.
struct OwnLine {
    FakePort port;
    VirtualTimerHost timers;
    CData_All data;
    CTrans trans{data, TestSwitches(), port, timers};

    void Receive(std::string_view bytes)
    {
        port.Queue(bytes);
        while (port.HasInput())
            trans.OnRxL1();
    }
    // The frame texts sent since the last call.
    Lines Sent()
    {
        Lines texts;
        for (const std::string& line : port.TakeNewLines())
            if (line[0] == '\x02')
                texts.push_back(TextOf(line));
        return texts;
    }
};

} // namespace

// Served by one thread, each link converts and counts with the switches its
// own telephone reported, whatever the other one reported in between.
TEST(TwoLinks, KeepTheSwitchesOfTheirOwnTelephonesWhenInterleaved)
{
    OwnLine newer, older;
    for (OwnLine* line : {&newer, &older}) {
        line->timers.onTimer = [line](int id) { line->trans.OnTimer(id); };
        line->data.SetDialNameName(0, "\xC4rger");
        line->data.SetDialNameMsn(0, "1");
        line->trans.StateSet(CTrans::STATE_WRITE_DIALNAME);
    }
    newer.Receive(TelephoneFrame("TRANS Q410 QL410 V3.04"));
    older.Receive(TelephoneFrame("TRANS Q410 V2.00"));
    EXPECT_EQ(newer.Sent(), Lines{":70000000"});
    EXPECT_EQ(older.Sent(), Lines{":70000000"});
    newer.Receive("\x06");
    older.Receive("\x06");
    EXPECT_EQ(older.Sent(), Lines{":70010501\xE1rger102000203"}); // the older telephone's letters
    EXPECT_EQ(newer.Sent(), Lines{":70010501\x8Erger102000203"});
    EXPECT_EQ(newer.trans.Switches().version, 3040);
    EXPECT_EQ(older.trans.Switches().version, 2000);
    EXPECT_NE(newer.trans.GetCfgRecordCount(), older.trans.GetCfgRecordCount());
}
