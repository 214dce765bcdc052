// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChangeToIntel.h"
#include "CDownloadProtocol.h"
#include "FwStrings.h"
#include "LinkFakes.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace {

using Lines = std::vector<std::string>;
const std::string L0 = ":02002A003031C3\n";
const std::string L1 = ":06001000310032350030AA\n";
const std::string L2 = ":0400000001020304F2\n";
const std::string L3 = ":00000001FF\n";
// Revision "01", version 1.25, hardware Q410.
const std::string kHex = ":02002A003031C3\r\n" + L1 + L2 + L3;

// Records what the protocol asks of the dialog; answers questions as scripted.
class FakeView : public IDownloadView {
public:
    void ShowMessage(int text, int caption, Icon icon, const std::string& detail) override
    {
        Log("msg", text, caption, std::string{' ', "EWI"[int(icon)]} + (detail.empty() ? "" : ": " + detail));
    }
    bool AskYesNo(int text, int caption) override
    {
        Log("ask", text, caption);
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void ResetDialog() override { events.push_back("reset"); onReset(); }
    void RefreshFields() override {}
    void StepProgress() override { ++steps; }
    void ShowReceived(const std::string& text) override { received = text; }
    void ShowSent(const std::string& text) override { sent = text; }
    void ShowPhoneVersion(const std::string& text) override { phoneVersion = text; }
    void SetDownloadActive(int value) override { active = value; }
    void DisablePortCommands() override { commandsOff = true; }
    void DownloadEnded() override { events.push_back("ended"); }
    void StartTimer(int id, int periodMs) override { timers.SetTimer(id, periodMs); }
    void StopTimer(int id) override { timers.KillTimer(id); }
    void Log(const char* kind, int text, int caption, const std::string& icon = "")
    {
        events.push_back(kind + (" " + std::to_string(text)) + "/" + std::to_string(caption) + icon);
    }

    VirtualTimerHost timers;
    std::function<void()> onReset;
    Lines events;
    std::deque<bool> answers;
    int steps = 0, active = -1;
    bool commandsOff = false;
    std::string received, sent, phoneVersion;
};

class Download : public ::testing::Test {
protected:
    Download()
    {
        view.timers.onTimer = [this](int id) { protocol->OnTimer(id); };
        view.onReset = [this] { image.Clear(); protocol->Reset(); };
        Use({});
    }
    void Use(const DownloadOptions& options, const std::string& hex = kHex, int checkHardware = 1)
    {
        image.Convert(hex, checkHardware);
        identity = {"Q41001", "V1.25", 1.25, 0};
        protocol = std::make_unique<CDownloadProtocol>(port, image, identity, options, view);
    }
    void Receive(const std::string& bytes) { port.Queue(bytes); protocol->OnReceive(); }
    // 'A' ACK, 'N' NAK, 'T' a time-out.
    void Play(std::string_view script)
    {
        for (const char c : script)
            c == 'T' ? view.timers.Advance(CDownloadProtocol::kTimeoutMs) : Receive(c == 'A' ? "\x06" : "\x15");
    }
    int State() const { return protocol->State(); }

    TraceCapture trace;
    FakePort port;
    FakeView view;
    CChangeToIntel image;
    FirmwareIdentity identity;
    std::unique_ptr<CDownloadProtocol> protocol;
};

TEST_F(Download, GoFirstSendsTheFirstLineTwiceAndTheEndRewindsForAnotherRun)
{
    for (const std::string end : {"xx\x06" "ENDyy", "END\r"}) {
        Receive("G");
        Receive("\nO\r");
        EXPECT_EQ(State(), 2);
        EXPECT_TRUE(view.commandsOff);
        EXPECT_EQ(view.active, 1);
        Play("AAAAA");
        EXPECT_EQ(port.TakeNewLines(), (Lines{L0, L0, L1, L2, L3}));
        EXPECT_TRUE(view.timers.IsRunning(CDownloadProtocol::kTimeoutTimer)); // the telephone owes the end
        Receive(end);
        EXPECT_EQ(State(), 0);
        EXPECT_EQ(view.active, 0);
        EXPECT_FALSE(view.timers.IsRunning(CDownloadProtocol::kTimeoutTimer));
        EXPECT_EQ(view.events, (Lines{"ended", "msg 114/115 I"}));
        view.events.clear();
    }
    EXPECT_TRUE(trace.Contains("DownloadDialog: Recieved: G\nO\r"));
    EXPECT_TRUE(trace.Contains("DownloadDialog: Send: " + L0));
    for (const char* line : {"MessageHandler()", "MESSAGE ist zu bearbeiten...", "MESSAGE ist bearbeitet.",
                             "StartTimer()", "StopTimer()", "End()"})
        EXPECT_TRUE(trace.Contains(std::string("DownloadDialog: ") + line)) << line;
}

TEST_F(Download, MessagesSplitOrJoinedByTheReadsAreAllHandled)
{
    // The end after the last line's ACK, cut wherever a read may cut it.
    for (const std::vector<std::string>& reads : {std::vector<std::string>{"\x06", "\x06" "EN", "D\r"},
                                                 {"\x06" "E", "ND\r"},
                                                 {"\x06\x06" "E", "N", "D\r"}}) {
        Receive("GO\r");
        Play("AAAA");
        for (const std::string& bytes : reads)
            Receive(bytes);
        EXPECT_EQ(State(), 0) << reads.back();
        EXPECT_EQ(view.events, (Lines{"ended", "msg 114/115 I"}));
        view.events.clear();
        port.TakeNewLines();
    }
    // A report and GO in one read start the download.
    Receive("Q410 01\rGO\r");
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(port.TakeNewLines(), (Lines{L0}));
    // Noise before an ACK is dropped, and after a NAK the line goes again.
    Receive("xy\x06");
    Receive("\x15" "GO\r");
    EXPECT_EQ(port.TakeNewLines(), (Lines{L0, L0}));
    EXPECT_EQ(State(), 3);
}

TEST_F(Download, HardwareReports)
{
    const struct { const char* report; DownloadOptions options; bool revisionInImage; int state; Lines events; } cases[] = {
        {"Q410\r", {}, true, 1, {}},
        {"Q38 x 1\r", {}, true, 1, {}},
        {"QL410 02\r", {}, true, 0, {"reset", "msg 109/110 E: Das Telefon meldet \"QL410 02\", die Datei ist für \"Q41001\"."}},
        {"QL410 02\r", {.skipRevisionCheck = true}, true, 1, {}},
        {"QL410 02\r", {.skipHardwareChecks = true}, true, 1, {}},
        {"Q410 x  \r", {}, false, 1, {}},
        {"Q410 x01\r", {}, false, 0, {"reset", "msg 109/110 E: Das Telefon meldet \"Q410 x01\", die Datei ist für "
                                               "\"Q41001\". Die Versionsdatei nennt keine Revision, mit der sich die "
                                               "gemeldete vergleichen ließe."}},
        {"xxQ410\r", {}, true, 0, {"reset", "msg 105/106 W"}},
    };
    for (const auto& c : cases) {
        view.events.clear();
        Use(c.options, kHex, c.revisionInImage ? 1 : 0);
        Receive(c.report);
        EXPECT_EQ(State(), c.state) << c.report;
        EXPECT_EQ(view.events, c.events) << c.report;
        if (c.state != 1)
            continue;
        Receive("XX\r"); // waiting for "GO" ignores anything else
        Receive("GO\r");
        EXPECT_EQ(port.TakeNewLines(), Lines{L0}) << c.report;
    }
}

TEST_F(Download, LoadRequestsAndTheVersionQuestion)
{
    const std::string own = "LD C Q410 1.25   A02"; // 20 characters: revision "02" from its tail
    const struct { std::string request; double fileVersion; std::deque<bool> answers; Lines events; Lines afterPause; int state; } cases[] = {
        {"LD C Q410 1.25   A01", 1.25, {true}, {"ask 111/112"}, {"XBB\n", L0}, 2},
        {"LD C Q410 1.25   A01", 1.25, {false}, {"ask 111/112", "reset"}, {"XNN\n"}, 0},
        {"LD C Q410 1.25   A01", 1.2, {true}, {"ask 113/112"}, {"XBB\n", L0}, 2},
        {"LD C Q410 1.25   A01", 1.3, {}, {}, {"XBB\n", L0}, 2},
        {own, 1.3, {}, {"reset", "msg 109/110 E: Das Telefon meldet \"C Q41002\", die Datei ist für \"C Q41001\"."}, {}, 0},
        {"LD C Q410 1.25  A02", 1.3, {}, {}, {"XBB\n", L0}, 2}, // other lengths: the image's revision
    };
    for (const auto& c : cases) {
        Use({});
        identity = {"C Q41001", "V1.30", c.fileVersion, 0};
        view.events.clear();
        view.answers = c.answers;
        Receive(c.request + "\r");
        EXPECT_EQ(view.phoneVersion, "V1.25");
        if (c.state == 2) {
            port.Queue("GO\r"); // waits in the port until the decision
            protocol->OnReceive();
        }
        view.timers.Advance(CDownloadProtocol::kReplyPauseMs - 1);
        EXPECT_EQ(port.TakeNewLines(), c.afterPause.empty() ? Lines{} : Lines{" \n"}) << c.request;
        view.timers.Advance(1);
        EXPECT_EQ(view.events, c.events) << c.request;
        EXPECT_EQ(port.TakeNewLines(), c.afterPause) << c.request;
        EXPECT_EQ(State(), c.state) << c.request;
        Receive("\x06" "END");
    }
    Use({.skipHardwareChecks = true});
    view.answers = {true};
    Receive(own + "\r");
    view.timers.Advance(CDownloadProtocol::kReplyPauseMs);
    EXPECT_EQ(State(), 1);
    EXPECT_FALSE(view.timers.IsRunning(CDownloadProtocol::kReplyPauseTimer));
}

TEST_F(Download, RepeatsAndTheirLimits)
{
    const struct { const char* script; int state; Lines events; } cases[] = {
        {"TTTTTTTTTT", 3, {}},
        {"TTTTTTTTTTT", 10, {"msg 107/108 E", "reset"}},
        {"TTTTTTTTTTANNNNNNNNNNTTTTTTTTTT", 3, {}},
        {"NNNNNNNNNNN", 10, {"msg 118/119 E", "reset"}},
    };
    for (const auto& c : cases) {
        Use({});
        view.events.clear();
        Receive("GO\r");
        Play(c.script);
        EXPECT_EQ(State(), c.state) << c.script;
        EXPECT_EQ(view.events, c.events) << c.script;
    }
    Receive("GO\r"); // a failed download resets at the next message
    EXPECT_EQ(State(), 0);
    ASSERT_FALSE(view.events.empty());
    EXPECT_EQ(view.events.back(), "reset");
}

// The first line, lost once, must not be skipped: the telephone would never get it.
TEST_F(Download, ARepeatSendsTheLineSentLast)
{
    Receive("GO\r");
    Play("NTAANA");
    EXPECT_EQ(port.TakeNewLines(), (Lines{L0, L0, L0, L0, L1, L1, L2}));
}

TEST_F(Download, ARefusedLineWaitsForTheDrainOrTheTimeOut)
{
    port.RefuseWrites(true);
    Receive("GO\r");
    EXPECT_EQ(port.RefusedWrites(), 1);
    port.RefuseWrites(false);
    protocol->OnTransmitReady();
    protocol->OnTransmitReady();
    EXPECT_EQ(port.TakeNewLines(), Lines{L0});
    port.RefuseWrites(true);
    Play("ATTTTTTTTT");
    EXPECT_EQ(port.RefusedWrites(), 11); // one offer per time-out
    port.RefuseWrites(false);
    protocol->OnTransmitReady();
    EXPECT_EQ(port.TakeNewLines(), Lines{L0});
    port.RefuseWrites(true);
    Play("TT");
    EXPECT_EQ(view.events, (Lines{"msg 107/108 E", "reset"}));
}

TEST_F(Download, ProgressAndDebugFields)
{
    std::string hex;
    for (int i = 0; i < 2050; ++i)
        hex += ":00000001FF\n";
    Use({.debug = true}, hex, 0);
    Receive("GO\r");
    EXPECT_EQ(view.sent, ":00000001FF\n");
    EXPECT_EQ(view.received, "GO\r");
    Play(std::string(1024, 'A'));
    EXPECT_EQ(protocol->Percent(), 49);
    Play("N"); // the repeated line was counted already
    EXPECT_EQ(view.steps, 1);
    Play(std::string(1036, 'A'));
    EXPECT_EQ(view.steps, 2);
    EXPECT_EQ(protocol->Percent(), 100);
}

} // namespace
