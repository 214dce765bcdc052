// SPDX-License-Identifier: GPL-3.0-or-later
// CSio on pseudo-terminals: the test holds the master, CSio opens the slave.
#include "CSio.h"
#include "NoticeSink.h"
#include "PortErrorText.h"
#include "TermiosLine.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

class SerialPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(m_master, 0);
        ASSERT_EQ(grantpt(m_master), 0);
        ASSERT_EQ(unlockpt(m_master), 0);
        m_slave = ptsname(m_master);
        ASSERT_EQ(fcntl(m_master, F_SETFL, O_NONBLOCK), 0);
        Configure(m_sio);
    }
    void TearDown() override
    {
        m_sio.Close();
        CloseMaster();
    }
    void Configure(CSio& sio, const char* settings = "9600,8N1")
    {
        sio.SetPortNumber(1);
        sio.SetDevicePath(m_slave);
        ASSERT_EQ(sio.SetParams(settings), 1);
    }
    void CloseMaster()
    {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }
    void MasterWrite(const std::string& bytes)
    {
        ASSERT_EQ(write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Up to `count` bytes from the master, waiting at most 2 s for them.
    std::string MasterRead(std::size_t count)
    {
        std::string got;
        const auto limit = std::chrono::steady_clock::now() + 2s;
        while (got.size() < count && std::chrono::steady_clock::now() < limit) {
            pollfd p{m_master, POLLIN, 0};
            if (poll(&p, 1, 20) <= 0)
                continue;
            char buf[4096];
            const ssize_t n = read(m_master, buf, std::min(sizeof buf, count - got.size()));
            if (n > 0)
                got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }
    std::string SioRead(int max = 256)
    {
        std::vector<unsigned char> buf(static_cast<std::size_t>(max));
        const int n = m_sio.Read(buf.data(), max);
        return std::string(buf.begin(), buf.begin() + std::max(n, 0));
    }
    // CPU time of the whole process over 300 ms: a spinning watcher would use all of it.
    static double CpuShareWhileIdle()
    {
        timespec a{}, b{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &a);
        std::this_thread::sleep_for(300ms);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &b);
        return (static_cast<double>(b.tv_sec - a.tv_sec) + static_cast<double>(b.tv_nsec - a.tv_nsec) / 1e9) / 0.3;
    }

    int m_master = -1;
    std::string m_slave;
    CSio m_sio;
    NoticeSink m_sink;
};

// What the settings text makes of the line, without a device: parity, data
// bits, stop bits and the RTS/CTS handshake each have their own flags.
TEST(SerialSettings, TextGivesTheLineFlags)
{
    const struct {
        const char* text;
        bool rtsCts;
        tcflag_t set;
        speed_t speed;
    } cases[] = {
        {"9600,8N1", false, CS8, B9600},
        {"9600,8N2", true, CS8 | CSTOPB | CRTSCTS, B9600},
        {"1200,7E1", false, CS7 | PARENB, B1200},
        {"19200,5o2", false, CS5 | PARENB | PARODD | CSTOPB, B19200},
        {"300,6e1", true, CS6 | PARENB | CRTSCTS, B300},
    };
    constexpr tcflag_t kLine = CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS;
    for (const auto& c : cases) {
        LineSettings line;
        ASSERT_TRUE(ParseLineSettings(c.text, line)) << c.text;
        termios t{};
        t.c_cflag = kLine; // what a device may hold before: nothing of it stays
        t.c_iflag = IXON | IXOFF | INPCK;
        ASSERT_TRUE(FillTermios(line, c.rtsCts, t));
        EXPECT_EQ(t.c_cflag & kLine, c.set) << c.text;
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD) << c.text;
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | INPCK), 0u) << c.text;
        EXPECT_EQ(std::pair(cfgetispeed(&t), cfgetospeed(&t)), std::pair(c.speed, c.speed)) << c.text;
        EXPECT_EQ(t.c_cc[VMIN] + t.c_cc[VTIME], 0);
    }
}

TEST(SerialSettings, PortNumberNamesATtySDevice)
{
    EXPECT_EQ(DefaultDeviceForPort(1), "/dev/ttyS0");
    EXPECT_EQ(DefaultDeviceForPort(12), "/dev/ttyS11");
}

TEST_F(SerialPort, OpenRefusals)
{
    EXPECT_EQ(m_sio.Open(nullptr), 0);
    m_sio.SetPortNumber(0);
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    EXPECT_EQ(m_sio.LastOpenError(), CSio::OpenError::BadPortNumber);
    m_sio.SetPortNumber(256);
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    m_sio.SetPortNumber(1);
    EXPECT_EQ(m_sio.SetParams("9600,8X1"), 0);
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    EXPECT_EQ(m_sio.LastOpenError(), CSio::OpenError::BadSettings);
    EXPECT_EQ(m_sio.SetParams("9600,8N1"), 1);

    m_sio.SetDevicePath("/dev/no-such-serial-port");
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    EXPECT_EQ(m_sio.LastOpenError(), CSio::OpenError::NotFound);
    m_sio.SetDevicePath("/dev/null"); // not a terminal
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    EXPECT_EQ(m_sio.LastOpenError(), CSio::OpenError::Other);
    EXPECT_EQ(m_sio.LastErrno(), ENOTTY);
    EXPECT_FALSE(m_sio.IsOpen());

    // After the failures the same object opens the right device.
    m_sio.SetDevicePath(m_slave);
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    EXPECT_EQ(m_sio.DevicePath(), m_slave);
    EXPECT_EQ(m_sio.Open(&m_sink), 0);
    EXPECT_EQ(m_sio.LastOpenError(), CSio::OpenError::AlreadyOpen);
    EXPECT_TRUE(m_sio.IsOpen());
}

TEST_F(SerialPort, SecondOpenOfTheSameDeviceIsBusyAndTheFirstStaysUsable)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    m_sio.SetFlowRtsCts(1); // no modem lines on a pseudo-terminal: ignored
    m_sio.SetDtr(1);
    EXPECT_EQ(m_sio.SetParams("9600,8N2"), 1); // applied at once
    CSio other;
    Configure(other);
    NoticeSink otherSink;
    EXPECT_EQ(other.Open(&otherSink), 0);
    EXPECT_EQ(other.LastOpenError(), CSio::OpenError::Busy);
    EXPECT_FALSE(other.IsOpen());

    MasterWrite("ping");
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE));
    EXPECT_EQ(SioRead(), "ping");
    const unsigned char pong[] = {'p', 'o', 'n', 'g'};
    EXPECT_EQ(m_sio.Write(pong, 4), 4);
    EXPECT_EQ(MasterRead(4), "pong");

    m_sio.Close();
    EXPECT_EQ(other.Open(&otherSink), 1); // free again
}

TEST_F(SerialPort, OneReceiveNoticeUntilRead)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    MasterWrite("abc");
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE));
    MasterWrite("def");
    // Unread bytes: no second notice, and the watcher does not spin over them.
    EXPECT_LT(CpuShareWhileIdle(), 0.3);
    EXPECT_EQ(m_sink.Count(CN_RECEIVE), 1);

    EXPECT_EQ(SioRead(4), "abcd");               // bytes remain ...
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE, 2)); // ... so a new notice comes
    EXPECT_EQ(SioRead(), "ef");
    EXPECT_EQ(SioRead(), "");
    MasterWrite("g");
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE, 3));
    EXPECT_EQ(SioRead(), "g");
}

TEST_F(SerialPort, WriteTakesAtMostTxSizeAndReportsTheDrain)
{
    ASSERT_EQ(m_sio.SetBufferSizes(1024, 16), 1);
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    const std::string text = "0123456789abcdefXYZ";
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    EXPECT_EQ(m_sio.Write(bytes, 0), 0);
    EXPECT_EQ(m_sio.Write(bytes, static_cast<int>(text.size())), 16);
    EXPECT_EQ(MasterRead(16), text.substr(0, 16));
    ASSERT_TRUE(m_sink.WaitFor(CN_TRANSMIT));
    EXPECT_EQ(m_sio.Write(bytes + 16, 3), 3);
    EXPECT_EQ(MasterRead(3), "XYZ");
    ASSERT_TRUE(m_sink.WaitFor(CN_TRANSMIT, 2));
}

TEST_F(SerialPort, BusyWhileTheDriverIsFullThenEveryByteArrivesInOrder)
{
    ASSERT_EQ(m_sio.SetBufferSizes(1024, 1024), 1);
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    std::string sent;
    unsigned char chunk[1024];
    for (int round = 0; round < 1000; ++round) { // the master does not read: the pty fills
        for (std::size_t i = 0; i < sizeof chunk; ++i)
            chunk[i] = static_cast<unsigned char>((sent.size() + i) % 251);
        const int taken = m_sio.Write(chunk, sizeof chunk);
        if (taken == 0)
            break;
        sent.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(taken));
    }
    ASSERT_LT(sent.size(), 1000u * sizeof chunk) << "the pseudo-terminal never filled";
    EXPECT_EQ(m_sio.Write(chunk, 1), 0); // still busy
    EXPECT_EQ(MasterRead(sent.size()), sent); // the watcher completes the staged rest
    ASSERT_TRUE(m_sink.WaitFor(CN_TRANSMIT));
    const unsigned char last = 42;
    EXPECT_EQ(m_sio.Write(&last, 1), 1);
    EXPECT_EQ(MasterRead(1), "*");
}

TEST_F(SerialPort, CloseNeverHangsAndTheObjectReopens)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    m_sio.Close(); // watcher waiting
    EXPECT_FALSE(m_sio.IsOpen());
    unsigned char buf[8] = {};
    EXPECT_EQ(m_sio.Read(buf, 8), 0);
    EXPECT_EQ(m_sio.Write(buf, 8), 0);
    m_sio.Close(); // already closed

    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    MasterWrite("unread");
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE));
    std::vector<unsigned char> big(64 * 1024, 'x');
    while (m_sio.Write(big.data(), static_cast<int>(big.size())) > 0) {
    } // output pending too
    m_sio.Close();
    EXPECT_FALSE(m_sio.IsOpen());
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
}

TEST_F(SerialPort, WhatWasWrittenJustBeforeCloseStillLeaves)
{
    // The end record of a cancelled transfer is written and the port closed at
    // once; the far end may not have read anything yet. Repeated, because
    // losing it depends on how far the kernel got in handing it over.
    const std::string last = ":00000001FF\r\n";
    for (int round = 0; round < 50; ++round) {
        ASSERT_EQ(m_sio.Open(&m_sink), 1);
        ASSERT_EQ(m_sio.Write(reinterpret_cast<const unsigned char*>(last.data()), static_cast<int>(last.size())),
                  static_cast<int>(last.size()));
        m_sio.Close();
        ASSERT_EQ(MasterRead(last.size()), last) << "round " << round;
    }
}

TEST_F(SerialPort, DeviceGoneGivesOneNoticeWithoutBusyLoop)
{
    ASSERT_EQ(m_sio.Open(&m_sink), 1);
    CloseMaster();
    ASSERT_TRUE(m_sink.WaitFor(CN_RECEIVE));
    EXPECT_EQ(SioRead(), "");
    EXPECT_LT(CpuShareWhileIdle(), 0.3);
    EXPECT_EQ(m_sink.Count(CN_RECEIVE), 1);
    const unsigned char byte = 1;
    EXPECT_EQ(m_sio.Write(&byte, 1), 0);
    m_sio.Close();
    EXPECT_FALSE(m_sio.IsOpen());
}

TEST(PortHints, AGroupIsNamedOnlyWhenItMayReadAndWrite)
{
    EXPECT_NE(PermissionHint(S_IFCHR | 0660, "root", "dialout").find("Gruppe \"dialout\" aufnehmen"),
              std::string::npos);
    for (const mode_t mode : {0600, 0640, 0620, 0666 & ~0060}) {
        const std::string hint = PermissionHint(S_IFCHR | mode, "root", "tty");
        EXPECT_EQ(hint.find("aufnehmen"), std::string::npos) << mode;
        EXPECT_NE(hint.find("\"root\""), std::string::npos) << hint;
        EXPECT_NE(hint.find("udev"), std::string::npos) << hint;
    }
}

} // namespace
