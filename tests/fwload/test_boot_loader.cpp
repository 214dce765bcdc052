// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBootLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Time = CBootLoader::Time;
using Greeting = CBootLoader::Greeting;

const std::string kAck = "\x06";
const std::string kNak = "\x15";
const std::string kAckEnd = "\x06" "END\r";

// An Intel-HEX record with its checksum, from the hex digits after ":".
std::string Record(const std::string& body)
{
    int sum = 0;
    for (std::size_t i = 0; i < body.size(); i += 2)
        sum += std::stoi(body.substr(i, 2), nullptr, 16);
    char checksum[3];
    std::snprintf(checksum, sizeof checksum, "%02X", -sum & 0xFF);
    return ":" + body + checksum;
}

const std::vector<std::string> kImage = {Record("0400000001020304"), Record("0400040005060708"),
                                         Record("02000A00ABCD"), ":00000001FF"};

// The PC's cut: the first n characters blanked, then the leading blanks dropped.
std::string Blank(std::string text, std::size_t n)
{
    text.replace(0, std::min(n, text.size()), std::min(n, text.size()), ' ');
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

CBootLoader::Options Greeted(Greeting greeting)
{
    CBootLoader::Options options;
    options.greeting = greeting;
    return options;
}

CBootLoader::Options WithFaults(CBootLoader::Faults faults)
{
    CBootLoader::Options options = Greeted(Greeting::Go);
    options.faults = faults;
    return options;
}

// Sends image lines by index, as a PC would, and joins all answers.
std::string Send(CBootLoader& boot, std::initializer_list<int> lines)
{
    std::string answers;
    for (int line : lines)
        answers += boot.Receive(kImage[static_cast<std::size_t>(line)] + "\n", Time(0));
    return answers;
}

struct Started {
    explicit Started(const CBootLoader::Options& options) : boot(options)
    {
        boot.StartSession(Time(0));
        EXPECT_EQ(boot.Poll(Time(0)), "GO\r");
    }
    CBootLoader boot;
};

TEST(BootLoaderGreeting, LoadRequestGivesBackHardwareVersionAndRevisionThroughThePcsCuts)
{
    for (const auto& [hardware, version, revision] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"QL410", "1.25", "03"}, {"Q38", "2.5", "A1"}, {"Q410", "10.1", ""}}) {
        CBootLoader::Options options;
        options.hardware = hardware;
        options.version = version;
        options.revision = revision;
        const std::string request = CBootLoader(options).LoadRequest();
        EXPECT_NE(request.find("LD C"), std::string::npos);
        for (const char* report : {"Q410", "QL410", "Q38"})
            EXPECT_EQ(request.substr(0, 5).find(report), std::string::npos) << "would pass for a report";
        std::string t = Blank(request, 3);
        EXPECT_EQ(TrimRight(t.substr(0, 6)), hardware);
        t = Blank(t, 7);
        EXPECT_EQ(TrimRight(t.substr(0, 4)), version);
        ASSERT_EQ(request.size(), revision.empty() ? 18u : 20u);
        if (!revision.empty()) {
            EXPECT_EQ(Blank(t, 8), revision);
        }
    }
}

TEST(BootLoaderGreeting, ReportThenGoAfterAPauseOrLoadRequestAlone)
{
    CBootLoader report(Greeted(Greeting::Report));
    report.StartSession(1s);
    EXPECT_EQ(report.Poll(1s), "QL41003\r");
    EXPECT_EQ(report.NextEvent(), Time(1s + 100ms));
    EXPECT_EQ(report.Poll(1s + 99ms), "");
    EXPECT_EQ(report.Poll(1s + 100ms), "GO\r");

    CBootLoader request(Greeted(Greeting::LoadRequest));
    request.StartSession(Time(0));
    EXPECT_EQ(request.Poll(1h), request.LoadRequest() + "\r");
}

TEST(BootLoaderGreeting, OptionsThatCannotBeReadBackAreRefused)
{
    CBootLoader::Options options;
    EXPECT_EQ(CBootLoader::Check(options), "");
    for (auto spoil : {+[](CBootLoader::Options& o) { o.hardware = "QL4100X"; },
                       +[](CBootLoader::Options& o) { o.version = "1 25"; },
                       +[](CBootLoader::Options& o) { o.version = ""; },
                       +[](CBootLoader::Options& o) { o.revision = "3"; }}) {
        CBootLoader::Options bad;
        spoil(bad);
        EXPECT_NE(CBootLoader::Check(bad), "");
    }
}

TEST(BootLoaderHandshake, BlankThenXbbStartsAndXnnEndsTheSession)
{
    CBootLoader boot(Greeted(Greeting::LoadRequest));
    boot.StartSession(Time(0));
    boot.Poll(Time(0));
    EXPECT_EQ(boot.Receive("XBB\n", Time(0)), "") << "the blank reply comes first";
    EXPECT_EQ(boot.Receive(" \nXBB\n", Time(0)), "GO\r");
    EXPECT_EQ(Send(boot, {0}), kAck);

    boot.StartSession(Time(0));
    boot.Poll(Time(0));
    EXPECT_EQ(boot.Receive(" \nXNN\n", Time(0)), "");
    EXPECT_TRUE(boot.Over());
    EXPECT_EQ(Send(boot, {0}), "");
}

TEST(BootLoaderLines, FirstLineTwiceThenEachOnceAndEndAfterTheEndRecord)
{
    Started s(Greeted(Greeting::Go));
    EXPECT_EQ(Send(s.boot, {0, 0, 1, 2}), kAck + kAck + kAck + kAck);
    EXPECT_FALSE(s.boot.Over());
    EXPECT_EQ(Send(s.boot, {3}), kAck + kAckEnd);
    EXPECT_TRUE(s.boot.Over());
    EXPECT_EQ(s.boot.Lines(), kImage);

    CBootLoader::Options message = Greeted(Greeting::Go);
    message.endAsMessage = true;
    Started m(message);
    EXPECT_EQ(Send(m.boot, {0, 0, 1, 2, 3}), kAck + kAck + kAck + kAck + kAck + "END\r");
}

TEST(BootLoaderLines, SpoiltLinesAreRefusedAndNotKept)
{
    Started s(Greeted(Greeting::Go));
    std::string lower = kImage[2];
    for (char& c : lower)
        c = static_cast<char>(std::tolower(c));
    for (const std::string bad : {"0400000001020304F2", ":0400000001020305F2", ":0400000001020304F2\r", ":0500000001020304F1",
                                  ":040000000102030", ":04000000010203G4F2", ""})
        EXPECT_EQ(s.boot.Receive(bad + "\n", Time(0)), kNak) << bad;
    EXPECT_EQ(s.boot.Receive(lower + "\n", Time(0)), kAck);
    EXPECT_EQ(s.boot.Lines(), std::vector<std::string>{lower});
}

TEST(BootLoaderLines, LineBeforeGoReachedThePcIsIgnored)
{
    CBootLoader boot(Greeted(Greeting::Report));
    boot.StartSession(Time(0));
    EXPECT_EQ(boot.Receive(kImage[0] + "\n", 50ms), "QL41003\r");
    EXPECT_EQ(boot.Receive(kImage[0] + "\n", 100ms), "GO\r" + kAck);
    EXPECT_EQ(boot.Lines().size(), 1u);
}

TEST(BootLoaderFaults, RefusalsCountPerLineAndRepeatsAreKeptOnce)
{
    Started every(WithFaults({.nakEvery = 2}));
    EXPECT_EQ(Send(every.boot, {0, 0, 1, 1, 2, 3, 3}), kAck + kAck + kNak + kAck + kAck + kNak + kAck + kAckEnd);
    EXPECT_EQ(every.boot.Lines(), kImage);

    Started line(WithFaults({.nakLine = 2, .nakTimes = 3}));
    EXPECT_EQ(Send(line.boot, {0, 1, 1, 1, 1, 1}), kAck + kNak + kNak + kNak + kAck + kAck);
    EXPECT_EQ(line.boot.Lines().size(), 2u);
}

TEST(BootLoaderFaults, LostAckSilenceAndVanishing)
{
    Started drop(WithFaults({.dropAckLine = 2}));
    EXPECT_EQ(Send(drop.boot, {0, 0, 1, 1, 2}), kAck + kAck + kAck + kAck);
    EXPECT_EQ(drop.boot.Lines().size(), 3u);

    Started silent(WithFaults({.silentAfter = 1}));
    EXPECT_EQ(Send(silent.boot, {0, 0, 1, 1, 0}), kAck + kAck);

    Started vanish(WithFaults({.vanishAfter = 2}));
    EXPECT_EQ(Send(vanish.boot, {0, 1, 1}), kAck + kAck + kAck);
    EXPECT_FALSE(vanish.boot.WantsToVanish());
    EXPECT_EQ(Send(vanish.boot, {2}), "");
    EXPECT_TRUE(vanish.boot.WantsToVanish());
}

TEST(BootLoaderTiming, ThrottledBytesTakeElevenBitsAtNinetySixHundredBaudEachWay)
{
    EXPECT_EQ(CBootLoader::kRealCharTime, Time(1'145'833)); // 11 / 9600 s
    CBootLoader::Options options = Greeted(Greeting::Go);
    options.charTime = CBootLoader::kRealCharTime;
    options.lineDelay = 2ms;
    CBootLoader boot(options);
    const Time c = options.charTime;
    boot.StartSession(Time(0));
    EXPECT_EQ(boot.Poll(3 * c - 1ns), "GO");
    EXPECT_EQ(boot.Poll(3 * c), "\r");

    // Two lines handed over at once queue on the wire one after the other.
    const Time sent = 10ms;
    const std::string line = kImage[0] + "\n";
    const Time perLine = static_cast<long>(line.size()) * c;
    EXPECT_EQ(boot.Receive(line + line, sent), "");
    EXPECT_EQ(boot.NextEvent(), sent + c);
    const Time firstAck = sent + perLine + 2ms + c;
    EXPECT_EQ(boot.Poll(firstAck - 1ns), "");
    EXPECT_EQ(boot.NextEvent(), firstAck);
    EXPECT_EQ(boot.Poll(firstAck), kAck);
    EXPECT_EQ(boot.Poll(sent + 2 * perLine + 2ms + c), kAck);
    EXPECT_EQ(boot.NextEvent(), std::nullopt);

    // A closed line loses what was on the way.
    boot.Receive(line, 1s);
    boot.EndSession();
    EXPECT_EQ(boot.Poll(2s), "");
}

} // namespace
