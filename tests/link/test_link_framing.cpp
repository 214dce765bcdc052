// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "CTrans.h"
#include "LinkFakes.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const std::string kAckLine = "\x06\r\n";
const std::string kNakLine = "\x15\r\n";
const std::string kReady = TelephoneFrame("TRANS Q410 V3.20");
const std::string kRecord = TelephoneFrame(":8400000205");

class Link : public LinkFixture {
protected:
    // Handshake done, the first frame sent and waiting for its ACK.
    void StartWrite()
    {
        trans.StateSet(CTrans::STATE_WRITE_CFG);
        Receive(kReady);
        ASSERT_EQ(trans.StateGet(), 6);
        port.TakeNewLines();
    }
    // "TK Q410" acknowledged: records may come, the PC owes no answer.
    void StartRead()
    {
        trans.StateSet(CTrans::STATE_READ_CFG);
        Receive(kReady + "\x06");
        ASSERT_EQ(trans.StateGet(), 40);
        port.TakeNewLines();
    }
    Lines NewLines() { return port.TakeNewLines(); }
};

TEST(Checksum, OfRecordFramesAndOfNothing)
{
    TraceCapture trace;
    EXPECT_EQ(CTrans::CalCheckSum(":00000001"), 0x7F);
    EXPECT_EQ(CTrans::CalCheckSum(":8400000203"), 0x0F);
    EXPECT_EQ(CTrans::CalCheckSum(nullptr), -1);
    EXPECT_TRUE(trace.Contains("CTrans: CalCheckSum() Null-Pointer"));
}

TEST_F(Link, EndRecordAndRequestGoOutExactly)
{
    trans.StateSet(CTrans::STATE_ABORT);
    EXPECT_EQ(port.LastLine(), std::string("\x02\x3A\x30\x30\x30\x30\x30\x30\x30\x31\x37\x46\x03\x0D\x0A", 15));
    EXPECT_TRUE(trace.Contains("CTrans: [Tx] {" + port.LastLine() + "}"));
    NewLines();
    trans.StateSet(CTrans::STATE_READ_CFG);
    Receive(kReady);
    EXPECT_EQ(NewLines(), (Lines{kAckLine, "\x02TK Q410\x03\r\n"}));
    EXPECT_TRUE(trace.Contains("CTrans: [Tx][Ack] {" + kAckLine + "}"));
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL1() [Rx][Frame] {TRANS Q410 V3.20}"));
}

TEST_F(Link, DamagedRecordFramesAreRefusedAndTheSecondRefusalInARowGivesUp)
{
    StartRead();
    const std::pair<const char*, const char*> damaged[] = {
        {"\x02:0\x03", "CTrans: OnRxL2() Frame not long enough!"},
        {"\x02:000000017\x03", "CTrans: OnRxL2() Frame not long enough!"}, // 10 characters
        {"\x02:000000017E\x03", "CTrans: OnRxL2() Invalid checksum!"},
    };
    for (const auto& [frame, message] : damaged) {
        SCOPED_TRACE(frame);
        Receive(frame);
        EXPECT_EQ(NewLines(), Lines{kNakLine});
        EXPECT_TRUE(trace.Contains(message));
        Receive(kRecord); // the repeat is taken and acknowledged
        EXPECT_EQ(NewLines(), Lines{kAckLine});
    }
    EXPECT_EQ(data.cfg.basic.DialLen, 5);
    Receive(damaged[2].first);
    Receive(damaged[2].first);
    EXPECT_TRUE(trace.Contains("CTrans: TxL1() To much Nack Repeats!"));
    EXPECT_EQ(NewLines(), Lines{kNakLine});
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
}

TEST_F(Link, ALowercaseChecksumIsAccepted)
{
    StartRead();
    Receive("\x02:000000017f\x03");
    EXPECT_EQ(NewLines(), (Lines{kAckLine, TelephoneFrame(":00000001")}));
}

TEST_F(Link, NoiseEmptyFramesAndStxRestartsAreHarmless)
{
    trans.StateSet(CTrans::STATE_READ_CFG);
    Receive("noise\r\n\x02\x03TRANS Q410 V3.20\x03"); // the empty frame closed what it opened
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_READ_CFG);
    Receive("\x02TRANS Q4\x02" + kReady + "more noise");
    EXPECT_EQ(trans.StateGet(), 39);
}

TEST_F(Link, AnAckInsideAFrameIsTakenAndTheFrameLost)
{
    trans.StateSet(CTrans::STATE_READ_CFG);
    Receive(kReady);
    NewLines();
    Receive("\x02:8400\x06" "000205\x03");
    EXPECT_EQ(trans.StateGet(), 40);
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL1() [Rx][Ack] {\x06}"));
    EXPECT_TRUE(NewLines().empty()); // the rest is neither refused nor acknowledged
}

TEST_F(Link, SixtyFourCharactersDropTheFrameSixtyThreeDoNot)
{
    trans.StateSet(CTrans::STATE_READ_CFG);
    Receive("\x02" + std::string(64, 'A') + "BB\x03");
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL1() [Rx][Err] {" + std::string(64, 'A') + "}"));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_READ_CFG);
    Receive(kReady);
    EXPECT_EQ(trans.StateGet(), 39);

    trans.StateSet(CTrans::STATE_READ_CFG);
    Receive("\x02" + std::string(63, 'A') + "\x03"); // a frame, but no ready text
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
}

TEST_F(Link, ANakGetsOneIdenticalRepeatPerFrame)
{
    StartWrite();
    Receive("\x15");
    Receive("\x06");
    Receive("\x15"); // the next frame's first refusal
    EXPECT_EQ(trans.StateGet(), 7);
    const std::string frame = port.LastLine();
    EXPECT_EQ(NewLines().back(), frame);
    Receive("\x15");
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL2() To much frame repeats!"));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
    EXPECT_TRUE(NewLines().empty());
}

TEST_F(Link, SilenceResendsAfterEightSecondsAndFailsAfterSixteen)
{
    StartWrite();
    timers.Advance(CTrans::kAnswerMs); // first expiry
    Receive("\x06");                   // any arrival starts the count again
    const std::string frame = port.LastLine();
    timers.Advance(CTrans::kAnswerMs - 1);
    EXPECT_EQ(port.LastLine(), frame);
    timers.Advance(1);
    EXPECT_EQ(NewLines().back(), frame);
    EXPECT_EQ(trans.StateGet(), 7);
    timers.Advance(CTrans::kAnswerMs);
    EXPECT_TRUE(trace.Contains("CTrans: OnTimer() To much TimeOut Repeats!"));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
    EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_ANSWER_TIMER));
}

TEST_F(Link, AnAckLineSentIsRepeatedWhenTheTelephoneFallsSilent)
{
    StartRead();
    timers.Advance(3 * CTrans::kAnswerMs); // the first record may take its time
    Receive(kRecord);
    EXPECT_EQ(NewLines(), Lines{kAckLine});
    timers.Advance(CTrans::kAnswerMs);
    EXPECT_EQ(NewLines(), Lines{kAckLine});
    timers.Advance(CTrans::kAnswerMs);
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
}

TEST_F(Link, AForeignFrameWhileWaitingIsDroppedOnce)
{
    StartWrite();
    timers.Advance(5000);
    Receive(kRecord);
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL2() Don't receive ACK/NACK!"));
    EXPECT_EQ(data.cfg.basic.DialLen, 3);
    timers.Advance(CTrans::kAnswerMs - 1); // the 8 s started again
    EXPECT_TRUE(NewLines().empty());
    timers.Advance(1);
    EXPECT_EQ(NewLines().size(), 1u);
    Receive(kReady);
    EXPECT_TRUE(trace.Contains("CTrans: OnRxL2() To much frame repeats!"));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
}

TEST_F(Link, StrayAckAndUnknownTimerFail)
{
    trans.StateSet(CTrans::STATE_WRITE_CFG);
    Receive("\x06"); // reaches the handshake as a one-character text
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
    EXPECT_TRUE(port.Lines().empty());

    trans.StateSet(CTrans::STATE_WRITE_CFG);
    trans.OnTimer(4242);
    EXPECT_TRUE(trace.Contains("CTrans: OnTimer() Invalid Timer!"));
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_ERR);
    EXPECT_FALSE(timers.IsRunning(CTrans::M_TRANS_WAITRDY_TIMER));
}

TEST_F(Link, ARefusedLineIsRepeatedByTheAnswerTimer)
{
    trans.StateSet(CTrans::STATE_WRITE_CFG);
    port.RefuseWrites(true);
    Receive(kReady);
    EXPECT_EQ(port.RefusedWrites(), 2); // ACK line and first frame
    port.RefuseWrites(false);
    timers.Advance(CTrans::kAnswerMs);
    ASSERT_EQ(port.Lines().size(), 1u);
    EXPECT_EQ(port.LastLine().substr(0, 4), "\x02:83");
}

TEST(CharacterTables, OneConversionPerCharacterFirstPairWins)
{
    struct Case {
        const char* firmware;
        std::string pc, phone, back;
    };
    const Case cases[] = {
        // µ becomes 0xE4, which is not taken for ä again; 0xE1 comes back as ä.
        {"V2.00", "\xC4\xE4\xB5\xDF\x80\xA5\xB4", "\xE1\xE1\xE4\xE2\x80\x5C\x27", "\xE4\xE4\xB5\xDF\x80\xA5\xB4"},
        {"V3.04", "\xC4\xE4\xDF\x80\x27", "\x8E\x84\xE1\xEE\x27", "\xC4\xE4\xDF\x80\x27"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware);
        const CodecRules rules = TestSwitches({.firmware = c.firmware}).Rules();
        std::string text = c.pc;
        CTrans::ConvPcToPhone(text, rules);
        EXPECT_EQ(text, c.phone);
        CTrans::ConvPhoneToPc(text, rules);
        EXPECT_EQ(text, c.back);
    }
}

} // namespace
