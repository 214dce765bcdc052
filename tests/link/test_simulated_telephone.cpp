// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPacedPhone.h"
#include "CSimPhone.h"
#include "CTrans.h"
#include "Derivat.h"
#include "RecordCodec.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>

namespace {

const std::string kAckLine = "\x06\r\n";
const std::string kNakLine = "\x15\r\n";

std::string Hex2(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// A line as the PC puts it on the wire; text is already in the telephone's coding.
std::string PcLine(const std::string& text, bool lowercaseChecksum = false)
{
    std::string sum = text[0] == ':' ? Hex2(CTrans::CalCheckSum(text.c_str())) : "";
    if (lowercaseChecksum)
        for (char& c : sum)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "\x02" + text + sum + "\x03\r\n";
}

// The frame texts among the bytes the telephone sent, checksums included.
std::vector<std::string> Frames(const std::string& bytes)
{
    std::vector<std::string> frames;
    for (std::size_t stx = bytes.find('\x02'); stx != std::string::npos; stx = bytes.find('\x02', stx + 1))
        frames.push_back(bytes.substr(stx + 1, bytes.find('\x03', stx) - stx - 1));
    return frames;
}

bool ChecksumOk(const std::string& frame)
{
    const std::string body = frame.substr(0, frame.size() - 2);
    return frame.substr(frame.size() - 2) == Hex2(CTrans::CalCheckSum(body.c_str()));
}

std::string Body(const std::string& frame)
{
    return frame.substr(0, frame.size() - 2);
}

class SimulatedTelephone : public ::testing::Test {
protected:
    // Starts a session and answers the ready frame, as the PC does.
    static void Open(CSimPhone& phone)
    {
        phone.StartSession();
        EXPECT_EQ(phone.Receive(kAckLine), "");
    }

    // Requests a read and acknowledges every frame up to the end record.
    static std::vector<std::string> ReadAll(CSimPhone& phone, const char* request)
    {
        Open(phone);
        std::string reply = phone.Receive(PcLine(request));
        EXPECT_EQ(reply.substr(0, 3), kAckLine);
        std::vector<std::string> frames;
        while (Frames(reply).size() == 1 && frames.size() < 500) {
            frames.push_back(Frames(reply)[0]);
            reply = phone.Receive(kAckLine);
        }
        EXPECT_EQ(reply, "");
        return frames;
    }
};

TEST_F(SimulatedTelephone, ReadyFrameNamesModelAndVersion)
{
    EXPECT_EQ(CSimPhone("V3.20", 1).StartSession(), "\x02TRANS Q410 QL410 V3.20\x03\r\n");
    CSimPhone older("V2.10", 0);
    EXPECT_EQ(older.StartSession(), "\x02TRANS Q410 V2.10\x03\r\n");
    EXPECT_EQ(older.Switches().version, 2100);
    EXPECT_TRUE(older.Switches().PropDialName);
}

TEST_F(SimulatedTelephone, WriteStoresAcknowledgedFramesAndRefusesDamagedOnes)
{
    CSimPhone phone("V3.20", 1);
    phone.Data().SetDialNameName(5, "Alt");
    Open(phone);

    EXPECT_EQ(phone.Receive("\r\n junk" + PcLine(":8400000205")), kAckLine);
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 5);

    std::string damaged = PcLine(":8400000207");
    damaged[damaged.size() - 5] ^= 1; // last checksum digit
    EXPECT_EQ(phone.Receive(damaged), kNakLine);
    EXPECT_EQ(phone.Receive(PcLine(":840000")), kNakLine); // too short for a record
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 5);
    EXPECT_EQ(phone.Receive(PcLine(":8400000207", true)), kAckLine);
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 7);

    EXPECT_EQ(phone.Receive(PcLine(":70000000")), kAckLine);
    EXPECT_EQ(phone.Data().GetDialNameName(5), "");
    // Frames may arrive in pieces; 0x84 is the telephone's ä from V3.04 on.
    const std::string entry = PcLine(":70010603M\x84ller123");
    EXPECT_EQ(phone.Receive(entry.substr(0, 7)), "");
    EXPECT_EQ(phone.Receive(entry.substr(7)), kAckLine);
    EXPECT_EQ(phone.Data().GetDialNameName(0), "M\xE4ller");
    EXPECT_EQ(phone.Data().GetDialNameMsn(0), "123");

    EXPECT_EQ(phone.TakeCompleted(), CSimPhone::Completed::None);
    EXPECT_EQ(phone.Receive(PcLine(":00000001")), kAckLine);
    EXPECT_EQ(phone.TakeCompleted(), CSimPhone::Completed::Write);
    EXPECT_EQ(phone.TakeCompleted(), CSimPhone::Completed::None);
}

TEST_F(SimulatedTelephone, SavedDataLoadsBackWithPhoneBook)
{
    TempDir dir;
    CSimPhone phone("V3.20", 1);
    phone.Data().cfg.basic.DialPre = "0";
    phone.Data().SetDialNameName(0, "Taxi");
    phone.Data().SetDialNameMsn(0, "123");
    std::string error;
    ASSERT_TRUE(phone.Save(dir.File("phone.mv8"), error)) << error;

    CSimPhone again("V3.20", 1);
    ASSERT_TRUE(again.Load(dir.File("phone.mv8"), error)) << error;
    EXPECT_EQ(again.Data().cfg.basic.DialPre, "0");
    EXPECT_EQ(again.Data().GetDialNameName(0), "Taxi");
    EXPECT_FALSE(again.Load(dir.File("missing.mv8"), error));
}

TEST_F(SimulatedTelephone, NakOnceRefusesOnlyTheFirstRecordFrame)
{
    CSimPhone phone("V3.20", 1, {.nakOnce = true});
    Open(phone);
    EXPECT_EQ(phone.Receive(PcLine(":8400000205")), kNakLine);
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 3);
    EXPECT_EQ(phone.Receive(PcLine(":8400000205")), kAckLine);
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 5);
    Open(phone);
    EXPECT_EQ(phone.Receive(PcLine(":8400000206")), kAckLine);
}

TEST_F(SimulatedTelephone, ConfigurationReadSendsCountersInDecimalAndEndsWithBothEndRecords)
{
    CSimPhone phone("V3.20", 1);
    phone.Data().cfg.msnPara[0].PayCounter = 1234;
    phone.Data().cfg.msnPara[5].PayCounter = 7;
    const std::vector<std::string> frames = ReadAll(phone, "TK Q410");

    ASSERT_EQ(static_cast<int>(frames.size()), CfgRecordCount(phone.Switches().props) + 1);
    for (const auto& frame : frames)
        EXPECT_TRUE(ChecksumOk(frame)) << frame;
    EXPECT_EQ(frames.back(), ":000000017F");
    std::vector<std::string> ownNumbers;
    for (const auto& frame : frames)
        if (frame.starts_with(":A0"))
            ownNumbers.push_back(Body(frame));
    ASSERT_EQ(ownNumbers.size(), 36u); // six numbers, kinds 0 to 5
    EXPECT_EQ(ownNumbers[4].substr(0, 7), ":A00104");
    EXPECT_EQ(ownNumbers[5], ":A00105041234");
    EXPECT_EQ(ownNumbers[6].substr(0, 7), ":A00200");
    EXPECT_EQ(ownNumbers[35], ":A00605017");

    EXPECT_EQ(phone.TakeCompleted(), CSimPhone::Completed::None);
    EXPECT_EQ(phone.Receive(PcLine(":00000001")), kAckLine);
    EXPECT_EQ(phone.TakeCompleted(), CSimPhone::Completed::Read);
}

TEST_F(SimulatedTelephone, OlderTelephoneSendsNoCounters)
{
    CSimPhone phone("V1.10", 0);
    const std::vector<std::string> frames = ReadAll(phone, "TK Q410");
    EXPECT_EQ(static_cast<int>(frames.size()), CfgRecordCount(phone.Switches().props) + 1);
    for (const auto& frame : frames)
        EXPECT_FALSE(frame.starts_with(":A0") && frame[6] == '5') << frame;
}

TEST_F(SimulatedTelephone, ReadRepeatsRefusedFramesAndSpoilsOneChecksumOnRequest)
{
    CSimPhone phone("V3.20", 1, {.badChecksumOnce = true});
    Open(phone);
    const std::string first = Frames(phone.Receive(PcLine("TK Q410"))).at(0);
    EXPECT_FALSE(ChecksumOk(first));
    const std::string repeated = Frames(phone.Receive(kNakLine)).at(0);
    EXPECT_TRUE(ChecksumOk(repeated));
    EXPECT_EQ(Body(repeated), Body(first));

    const std::string second = phone.Receive(kAckLine);
    EXPECT_EQ(phone.Receive(kNakLine), second); // an ordinary NAK: the same line again
    EXPECT_EQ(phone.Receive(PcLine("TK Q410")), ""); // the PC owes an ACK: dropped

    Open(phone);
    EXPECT_TRUE(ChecksumOk(Frames(phone.Receive(PcLine("TK Q410"))).at(0)));
}

TEST_F(SimulatedTelephone, PhoneBookReadSendsNamedEntriesInTelephoneCoding)
{
    CSimPhone phone("V3.20", 1);
    CData_All& data = phone.Data();
    data.SetDialNameName(0, "\xC4rzte");
    data.SetDialNameMsn(0, "110");
    data.SetDialNameMsn(1, "999"); // no name: not sent
    data.SetDialNameName(2, "Taxi");
    data.dialName.entry[2].MelodyExt = 10;
    const std::vector<std::string> frames = ReadAll(phone, "TT Q410");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(Body(frames[0]), ":70010503\x8Erzte" "110" "0200" "0203");
    EXPECT_EQ(Body(frames[1]), ":70030400Taxi" "020A" "0203");
    EXPECT_EQ(frames[2], ":000000017F");
}

TEST_F(SimulatedTelephone, SilentTelephoneNeverAnswers)
{
    CSimPhone phone("V3.20", 1, {.silent = true});
    EXPECT_EQ(phone.StartSession(), "");
    EXPECT_EQ(phone.Receive(kAckLine + PcLine("TK Q410") + PcLine(":8400000205")), "");
    EXPECT_EQ(phone.Data().cfg.basic.DialLen, 3);
}

TEST_F(SimulatedTelephone, VanishesAfterTheGivenNumberOfRecordFrames)
{
    CSimPhone writer("V3.20", 1, {.vanishAfter = 2});
    Open(writer);
    EXPECT_EQ(writer.Receive(PcLine(":8400000205")), kAckLine);
    EXPECT_FALSE(writer.WantsToVanish());
    EXPECT_EQ(writer.Receive(PcLine(":8400000206") + PcLine(":8400000207")), kAckLine);
    EXPECT_TRUE(writer.WantsToVanish());
    EXPECT_EQ(writer.Data().cfg.basic.DialLen, 6);

    CSimPhone reader("V3.20", 1, {.vanishAfter = 1});
    Open(reader);
    EXPECT_EQ(Frames(reader.Receive(PcLine("TK Q410"))).size(), 1u);
    EXPECT_EQ(reader.Receive(kAckLine), "");
    EXPECT_TRUE(reader.WantsToVanish());
}

TEST_F(SimulatedTelephone, UnknownRequestIsRefused)
{
    CSimPhone phone("V3.20", 1);
    Open(phone);
    EXPECT_EQ(phone.Receive(PcLine("TX Q410")), kNakLine);
}

TEST_F(SimulatedTelephone, PacedReadTakesTenBitsAtNinetySixHundredBaudForEveryByteEachWay)
{
    using Time = CPacedPhone::Time;
    CSimPhone phone("V3.20", 1);
    CPacedPhone paced(phone, CPacedPhone::kRealCharTime);
    Time now{0};
    std::size_t bytes = 0;
    // The PC hands over its next line the moment the answer has arrived
    // whole. Its lines go without CR LF here, so that nothing of the PC's is
    // on the way while the telephone answers: the time is then the sum of
    // the bytes' times.
    const auto exchange = [&](const std::string& pcLine) {
        std::string reply = paced.Receive(pcLine, now);
        while (const auto next = paced.NextEvent()) {
            now = *next;
            reply += paced.Poll(now);
        }
        bytes += pcLine.size() + reply.size();
        return reply;
    };
    paced.StartSession(now);
    EXPECT_EQ(Frames(exchange("")), std::vector<std::string>{"TRANS Q410 QL410 V3.20"});
    const std::string ack = "\x06";
    EXPECT_EQ(exchange(ack), "");
    const std::string request = PcLine("TK Q410");
    std::string reply = exchange(request.substr(0, request.size() - 2));
    int frames = 0;
    for (; Frames(reply).size() == 1 && frames < 500; ++frames)
        reply = exchange(ack);
    EXPECT_EQ(frames, CfgRecordCount(phone.Switches().props) + 1);

    EXPECT_EQ(now, static_cast<long>(bytes) * CPacedPhone::kRealCharTime);
    const double lineS = static_cast<double>(bytes) * 10 / 9600;
    EXPECT_NEAR(std::chrono::duration<double>(now).count(), lineS, lineS * 0.05);
}

} // namespace
