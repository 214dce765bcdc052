// SPDX-License-Identifier: GPL-3.0-or-later
// The progress rows and the summary of several telephones served at once.
#include "BenchBoard.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Result = BenchBoard::Result;
using namespace std::chrono_literals;

class Board : public ::testing::Test {
protected:
    BenchBoard Make(int columns)
    {
        return BenchBoard(out, columns, [this] { return now; });
    }

    std::ostringstream out;
    BenchBoard::Clock::time_point now{};
};

TEST_F(Board, WithoutATerminalEveryEventIsOneLineAndPercentsComeInTens)
{
    BenchBoard board = Make(0);
    const int a = board.Add("/dev/pts/3", {"--device", "/dev/pts/3"});
    board.SetState(a, "wartet auf Telefon");
    board.SetState(a, "wartet auf Telefon");
    for (int percent : {1, 9, 10, 15, 20})
        board.SetPercent(a, percent);
    board.Finish(a, Result::Succeeded);
    board.Finish(a, Result::Failed, "zu spät"); // the first result stands
    EXPECT_EQ(out.str(), "/dev/pts/3: wartet auf Telefon\n/dev/pts/3: 10 %\n/dev/pts/3: 20 %\n/dev/pts/3: fertig\n");
}

TEST_F(Board, OnATerminalTheRowsAreRewrittenInPlaceAndCutToItsWidth)
{
    BenchBoard board = Make(20);
    const int a = board.Add("A", {"--device", "A"});
    board.Add("BBB", {"--device", "BBB"});
    board.SetState(a, "lädt");
    board.SetPercent(a, 42);
    EXPECT_EQ(out.str(), "\rA      0 %  lädt\x1b[K\n\rBBB    0 %  \x1b[K\n"
                         "\x1b[2A\rA     42 %  lädt\x1b[K\n\rBBB    0 %  \x1b[K\n");
    out.str("");
    board.Finish(a, Result::Failed, "Timeout");
    // 19 columns: the last one stays free, or the terminal would wrap.
    EXPECT_EQ(out.str(), "\x1b[2A\rA     42 %  Fehler:\x1b[K\n\rBBB    0 %  \x1b[K\n");
    // A message printed below them: the rows come again under it, not over it.
    board.LeaveRows();
    out.str("");
    board.SetPercent(1, 7);
    EXPECT_EQ(out.str(), "\rA     42 %  Fehler:\x1b[K\n\rBBB    7 %  \x1b[K\n");
}

TEST_F(Board, TheSummaryNamesEveryResultAndTheCommandForTheOnesThatDidNotSucceed)
{
    BenchBoard board = Make(0);
    bool allFinished = false;
    board.onAllFinished = [&] { allFinished = true; };
    const int ok = board.Add("/dev/pts/1", {"--device", "/dev/pts/1"});
    const int gone = board.Add("/dev/pts/2", {"--device", "/dev/pts/2"});
    const int odd = board.Add("/tmp/it's", {"--device", "/tmp/it's"});
    now += 75s;
    board.Finish(ok, Result::Succeeded);
    board.Finish(gone, Result::Failed, "weg");
    EXPECT_FALSE(allFinished);
    EXPECT_EQ(board.ExitStatus(), 1);
    board.Finish(odd, Result::PortFailed, "nicht vorhanden");
    EXPECT_TRUE(allFinished);
    EXPECT_EQ(board.ExitStatus(), 2);
    out.str("");
    board.PrintSummary({"fwload", "--cli", "--device", "/dev/pts/1", "--device", "/dev/pts/2", "--file", "a b.hex",
                        "--device", "/tmp/it's", "--yes"});
    EXPECT_EQ(out.str(), "\nZusammenfassung:\n"
                         "Gerät       Ergebnis         Grund            Zeit\n"
                         "/dev/pts/1  fertig                            1:15 min\n"
                         "/dev/pts/2  Fehler           weg              1:15 min\n"
                         "/tmp/it's   Anschlussfehler  nicht vorhanden  1:15 min\n"
                         "\nNur die nicht erfolgreichen Telefone noch einmal:\n"
                         "  fwload --cli --file 'a b.hex' --yes --device /dev/pts/2 --device '/tmp/it'\\''s'\n");
}

TEST(BenchTargets, PortsAreLookedUpAndNamedAndNoDeviceServesTwoTelephones)
{
    const auto deviceOf = [](int port) { return "/dev/ttyS" + std::to_string(port - 1); };
    std::vector<BenchTelephone> phones;
    std::string error;
    ASSERT_TRUE(ResolveBenchTargets({{"--port", "3"}, {"--port", "4"}}, deviceOf, "p.ini", phones, error));
    EXPECT_EQ(phones[1].device, "/dev/ttyS3");
    EXPECT_EQ(phones[1].label, "COM 4 (/dev/ttyS3)");
    EXPECT_NE(phones[1].howToName.find("p.ini"), std::string::npos);
    phones.clear();
    EXPECT_FALSE(ResolveBenchTargets({{"--device", "/dev/ttyS2"}, {"--port", "3"}}, deviceOf, "p.ini", phones, error));
    EXPECT_EQ(error, "Das Gerät /dev/ttyS2 ist mehrfach angegeben.");

    EXPECT_FALSE(SeveralBenchTargets({{"--device", "a"}, {"--port", "3"}}));
    EXPECT_TRUE(SeveralBenchTargets({{"--port", "2"}, {"--port", "3"}}));
    EXPECT_TRUE(MixedBenchTargets({{"--device", "a"}, {"--port", "3"}}));
}

} // namespace
