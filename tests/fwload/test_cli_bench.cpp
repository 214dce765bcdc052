// SPDX-License-Identifier: GPL-3.0-or-later
// fwload --cli with several telephones: simulated boot loaders on
// pseudo-terminals, each keeping what it received, served by one process.
#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace {

class CliBench : public ::testing::Test {
protected:
    CliBench()
    {
        image = ReadFileBytes(SourceFile("tools/sample/beispiel.hex"));
        std::erase(image, '\r');
    }

    // Boot loaders with the sample's defaults (a load request that needs no question).
    void StartLoaders(const std::vector<std::vector<std::string>>& faults)
    {
        for (std::size_t i = 0; i < faults.size(); ++i) {
            std::vector<std::string> options{"--sessions", "1", "--start-delay", "50", "--save-image", Saved(i)};
            options.insert(options.end(), faults[i].begin(), faults[i].end());
            loaders.push_back(std::make_unique<SimulatedBootLoader>(options));
            devices.push_back(loaders.back()->Device());
        }
    }
    ProcessResult Fwload(const std::vector<std::string>& devicePaths, int interruptAfterMs = -1)
    {
        std::vector<std::string> argv{FwloadPath(), "--cli", "--file", SourceFile("tools/sample/beispiel.hex")};
        for (const std::string& device : devicePaths)
            argv.insert(argv.end(), {"--device", device});
        return RunProcess(argv, 30000, {"XDG_CONFIG_HOME=" + dir.Path()}, interruptAfterMs);
    }
    std::string Saved(std::size_t i) const { return dir.File("received" + std::to_string(i) + ".txt"); }
    // The summary's row of a device.
    std::string Row(const std::string& out, const std::string& device) const
    {
        const std::size_t at = out.find("\n" + device + " ", out.find("Zusammenfassung:"));
        return at == std::string::npos ? "" : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    }

    TempDir dir;
    std::string image;
    std::vector<std::unique_ptr<SimulatedBootLoader>> loaders;
    std::vector<std::string> devices;
};

TEST_F(CliBench, ThreeTelephonesGetTheWholeImageEachWithATraceOfItsOwn)
{
    StartLoaders({{}, {}, {}});
    const auto oldDir = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteFileBytes("##Trace.###", "");
    const ProcessResult r = Fwload(devices);
    std::filesystem::current_path(oldDir);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    int traces = 0;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(loaders[i]->Wait(5000), 0);
        EXPECT_EQ(ReadFileBytes(Saved(i)), image) << devices[i];
        EXPECT_NE(Row(r.out, devices[i]).find("fertig"), std::string::npos) << r.out;
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename();
        if (name.find("-pts_") != std::string::npos)
            traces += ReadFileBytes(entry.path()).find("DownloadDialog: End()") != std::string::npos;
    }
    EXPECT_EQ(traces, 3);
    EXPECT_EQ(r.out.find("noch einmal"), std::string::npos);
    // The safe-recovery flag belongs to the dialog: no profile was written.
    EXPECT_FALSE(FileExists(dir.File("fwload/fwload.ini")));
}

TEST_F(CliBench, ATelephoneThatVanishesFailsAloneAndIsNamedForTheRetry)
{
    StartLoaders({{}, {"--vanish-after", "20"}, {}});
    const ProcessResult r = Fwload(devices);
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_EQ(ReadFileBytes(Saved(0)), image);
    EXPECT_EQ(ReadFileBytes(Saved(2)), image);
    EXPECT_NE(Row(r.out, devices[1]).find("Fehler    Das Gerät ist nicht mehr da"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("--file " + SourceFile("tools/sample/beispiel.hex") + " --device " + devices[1] + "\n"),
              std::string::npos)
        << r.out;
}

TEST_F(CliBench, AMissingPortFailsThatTelephoneWithItsReasonWhileTheOthersLoad)
{
    StartLoaders({{}, {}});
    const std::string missing = dir.File("kein-adapter");
    const ProcessResult r = Fwload({devices[0], missing, devices[1]});
    EXPECT_EQ(r.status, 2) << r.out << r.err;
    EXPECT_EQ(ReadFileBytes(Saved(0)), image);
    EXPECT_EQ(ReadFileBytes(Saved(1)), image);
    EXPECT_NE(Row(r.out, missing).find("Anschlussfehler  Das Gerät \"" + missing + "\" ist nicht vorhanden"),
              std::string::npos)
        << r.out;

    const ProcessResult twice = Fwload({devices[0], devices[0]});
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("mehrfach"), std::string::npos) << twice.err;
}

TEST_F(CliBench, CtrlCCancelsEveryRunningTelephoneAndPrintsTheSummary)
{
    StartLoaders({{"--silent-after", "3"}, {"--silent-after", "3"}, {"--silent-after", "3"}});
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = Fwload(devices, 1500);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    for (const std::string& device : devices)
        EXPECT_NE(Row(r.out, device).find("abgebrochen  mit Strg+C"), std::string::npos) << r.out;
}

} // namespace
