// SPDX-License-Identifier: GPL-3.0-or-later
// The port on Windows: the control block a settings text makes, and a COM
// port with a two-digit number that tools/windows/wine-run.sh --echo-com
// wires to a pseudo-terminal whose far end sends every byte back
// (MV_ECHO_COM names the number).
#include "CSio.h"
#include "DcbLine.h"
#include "NoticeSink.h"
#include "PortErrorText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace std::chrono_literals;

TEST(SerialSettings, PortNumberNamesACOMDevice)
{
    EXPECT_EQ(DefaultDeviceForPort(1), "COM1");
    EXPECT_EQ(DefaultDeviceForPort(12), "COM12");
}

// Every flag a driver may hold from an earlier program is set anew; the
// driver's own queue limits stay.
TEST(SerialSettings, TextGivesTheControlBlock)
{
    const struct {
        const char* text;
        bool rtsCts;
        bool dtr;
        int dataBits;
        int parity;
        int stopBits;
    } cases[] = {
        {"9600,8N1", false, false, 8, NOPARITY, ONESTOPBIT},
        {"9600,8N2", true, true, 8, NOPARITY, TWOSTOPBITS},
        {"1200,7E1", false, true, 7, EVENPARITY, ONESTOPBIT},
        {"19200,5o2", true, false, 5, ODDPARITY, TWOSTOPBITS},
    };
    for (const auto& c : cases) {
        LineSettings line;
        ASSERT_TRUE(ParseLineSettings(c.text, line)) << c.text;
        DCB dcb{};
        dcb.fOutX = dcb.fInX = dcb.fParity = dcb.fErrorChar = dcb.fNull = dcb.fAbortOnError = TRUE;
        dcb.fOutxDsrFlow = dcb.fDsrSensitivity = TRUE;
        dcb.fRtsControl = RTS_CONTROL_TOGGLE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        dcb.XonLim = 123;
        FillDcb(line, c.rtsCts, c.dtr, dcb);
        EXPECT_EQ(dcb.BaudRate, static_cast<DWORD>(line.baud)) << c.text;
        EXPECT_EQ(std::tuple(int{dcb.ByteSize}, int{dcb.Parity}, int{dcb.StopBits}),
                  std::tuple(c.dataBits, c.parity, c.stopBits))
            << c.text;
        // Bit-fields, taken by value: binary on; XON/XOFF, parity check, error and
        // null replacement, abort on error and DSR off.
        const std::vector<unsigned long> flags{dcb.fBinary,    dcb.fOutX,         dcb.fInX,
                                               dcb.fParity,    dcb.fErrorChar,    dcb.fNull,
                                               dcb.fAbortOnError, dcb.fOutxDsrFlow, dcb.fDsrSensitivity};
        EXPECT_EQ(flags, (std::vector<unsigned long>{1, 0, 0, 0, 0, 0, 0, 0, 0})) << c.text;
        EXPECT_EQ(dcb.fOutxCtsFlow, c.rtsCts ? 1u : 0u) << c.text;
        EXPECT_EQ(dcb.fRtsControl, c.rtsCts ? DWORD{RTS_CONTROL_HANDSHAKE} : DWORD{RTS_CONTROL_DISABLE}) << c.text;
        EXPECT_EQ(dcb.fDtrControl, c.dtr ? DWORD{DTR_CONTROL_ENABLE} : DWORD{DTR_CONTROL_DISABLE}) << c.text;
        EXPECT_EQ(dcb.XonLim, 123);
    }
}

class EchoPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* port = std::getenv("MV_ECHO_COM");
        if (!port)
            GTEST_SKIP() << "no COM port wired to an echo (tools/windows/wine-run.sh --echo-com N)";
        m_port = std::atoi(port);
        Configure(m_sio);
    }
    void Configure(CSio& sio) const
    {
        sio.SetPortNumber(m_port);
        ASSERT_EQ(sio.SetParams("9600,8N1"), 1);
    }
    // Writes all of text, waiting for each drain before the next piece.
    void WriteAll(const std::string& text)
    {
        std::size_t sent = 0;
        for (int drains = m_sink.Count(CN_TRANSMIT); sent < text.size(); ++drains) {
            const int taken = m_sio.Write(reinterpret_cast<const unsigned char*>(text.data() + sent),
                                          static_cast<int>(text.size() - sent));
            ASSERT_GT(taken, 0);
            sent += static_cast<std::size_t>(taken);
            ASSERT_TRUE(m_sink.WaitFor(CN_TRANSMIT, drains + 1)) << "no drain after " << sent << " bytes";
        }
    }
    // Reads what each receive notice announces until count bytes are in.
    std::string ReadEcho(std::size_t count)
    {
        std::string got;
        for (int notices = m_sink.Count(CN_RECEIVE) + 1; got.size() < count; ++notices) {
            if (!m_sink.WaitFor(CN_RECEIVE, notices, 3000ms))
                break;
            unsigned char buffer[256];
            for (int n; (n = m_sio.Read(buffer, sizeof buffer)) > 0;)
                got.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
        }
        return got;
    }

    int m_port = 0;
    CSio m_sio;
    NoticeSink m_sink;
};

TEST_F(EchoPort, WhatIsWrittenComesBackThroughTheWatchersNotices)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1) << PortOpenFailureReason(m_sio);
    EXPECT_EQ(m_sio.DevicePath(), "COM" + std::to_string(m_port));
    m_sio.SetFlowRtsCts(0);
    m_sio.SetDtr(1); // no modem lines on a pseudo-terminal: ignored
    EXPECT_EQ(m_sio.SetParams("9600,8N2"), 1); // applied at once
    WriteAll("ping");
    EXPECT_EQ(ReadEcho(4), "ping");

    std::string block;
    for (int i = 0; i < 3000; ++i)
        block += static_cast<char>('0' + i % 75);
    ASSERT_EQ(m_sio.SetBufferSizes(1024, 1024), 1);
    m_sio.Close();
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    WriteAll(block); // three writes of the staging buffer's size
    EXPECT_EQ(ReadEcho(block.size()), block);
    EXPECT_FALSE(m_sio.DeviceGone());
}

TEST_F(EchoPort, ASecondOpenIsRefusedAsBusyAndTheFirstStaysUsable)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1) << PortOpenFailureReason(m_sio);
    CSio other;
    Configure(other);
    NoticeSink otherSink;
    EXPECT_EQ(other.Open(&otherSink), 0);
    EXPECT_EQ(other.LastOpenError(), CSio::OpenError::Busy);
    const std::string reason = PortOpenFailureReason(other);
    EXPECT_NE(reason.find("\"COM" + std::to_string(m_port) + "\" bereits (Zugriff verweigert)"), std::string::npos)
        << reason;
    WriteAll("still mine");
    EXPECT_EQ(ReadEcho(10), "still mine");
    m_sio.Close();
    EXPECT_EQ(other.Open(&otherSink), 1) << PortOpenFailureReason(other);
}

TEST_F(EchoPort, CloseNeverHangsOverUnreadInputAndTheObjectReopens)
{
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(m_sio.Open(&m_sink), 1) << PortOpenFailureReason(m_sio);
        const int received = m_sink.Count(CN_RECEIVE);
        WriteAll("unread");
        ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE, received + 1, 3000ms));
        const auto start = std::chrono::steady_clock::now();
        m_sio.Close();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        EXPECT_FALSE(m_sio.IsOpen());
        unsigned char buffer[8];
        EXPECT_EQ(m_sio.Read(buffer, 8), 0);
    }
}

} // namespace
