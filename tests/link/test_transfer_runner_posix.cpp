// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer runner on a real port (a pseudo-terminal whose other end the
// test plays as the telephone) with a virtual clock.
#include "CData_All.h"
#include "LinkFakes.h"
#include "PtyLine.h"
#include "TestSupport.h"
#include "TransferRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace {

// The telephone's end of the line.
class Telephone : public PtyLine {
public:
    void Send(const std::string& text) { Write(TelephoneFrame(text)); }
};

class Runner : public ::testing::Test {
protected:
    Runner()
    {
        timers.onTimer = [this](int id) { runner.OnTimer(id); };
        runner.SetPort(2, phone.Device());
        document.cfg.basic.LoudBox = 6;
    }
    // Lets the port's notices in until the link has reached the state.
    void DeliverUntil(int state)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (runner.Link()->StateGet() != state && std::chrono::steady_clock::now() < until) {
            timers.RunPosted();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(runner.Link()->StateGet(), state);
    }

    Telephone phone;
    VirtualTimerHost timers;
    CData_All document;
    CData_All transfer;
    CTransferRunner runner{MODE_WRITE_DIALNAME, transfer, document, TestSwitches({.phonebookPart = "1"}), timers};
};

TEST_F(Runner, ASuccessfulTransferBecomesTheDocument)
{
    transfer = document;
    ASSERT_TRUE(runner.Start());
    phone.Send("TRANS Q410 QL410 V3.20");
    DeliverUntil(34);
    EXPECT_EQ(phone.Received(), "\x06\r\n" + TelephoneFrame(":70000000"));
    phone.Write("\x06");
    DeliverUntil(36);
    EXPECT_EQ(phone.Received(), TelephoneFrame(":00000001"));
    phone.Write("\x06");
    DeliverUntil(CTrans::STATE_END);
    timers.Advance(CTransferRunner::kPollMs);
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::Succeeded);
    EXPECT_EQ(document.cfg.basic.SwVers, "V3.20");
    EXPECT_EQ(document.cfg.basic.LoudBox, 6);
    EXPECT_FALSE(runner.Port().IsOpen());
}

TEST_F(Runner, AFailureKeepsTheDocumentAndAllowsARepeat)
{
    transfer = CData_All();
    ASSERT_TRUE(runner.Start());
    timers.Advance(CTrans::kWaitRdyMs + CTransferRunner::kPollMs);
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::Failed);
    EXPECT_FALSE(runner.Port().IsOpen());
    EXPECT_EQ(document.cfg.basic.LoudBox, 6);

    ASSERT_TRUE(runner.Repeat());
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::Running);
    EXPECT_EQ(runner.Link()->StateGet(), CTrans::STATE_WRITE_DIALNAME);
}

TEST_F(Runner, CancelSendsTheEndRecordOnlyWhileRunning)
{
    ASSERT_TRUE(runner.Start());
    runner.Cancel();
    EXPECT_EQ(phone.Received(), TelephoneFrame(":00000001"));
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::Cancelled);
    EXPECT_FALSE(runner.Port().IsOpen());
    EXPECT_EQ(document.cfg.basic.LoudBox, 6);
}

TEST_F(Runner, APortThatCannotBeOpenedTurnsToModeFour)
{
    runner.SetPort(2, "/dev/kein-solches-geraet");
    EXPECT_FALSE(runner.Start());
    EXPECT_EQ(runner.Mode(), MODE_PORT_FAILED);
    EXPECT_EQ(runner.RequestedMode(), MODE_WRITE_DIALNAME);
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::PortFailed);
    EXPECT_FALSE(runner.Repeat());
    runner.Cancel();
    EXPECT_EQ(runner.GetStatus(), CTransferRunner::Status::Cancelled);
}

} // namespace
