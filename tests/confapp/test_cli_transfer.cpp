// SPDX-License-Identifier: GPL-3.0-or-later
// mvconf's transfer modes against the simulated telephone on a pseudo-terminal.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "CSio.h"
#include "ChildProcess.h"
#include "PtyLine.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

constexpr int kTransferTimeoutMs = 60000;

class CliTransfer : public ::testing::Test {
protected:
    TempDir dir;

    ProcessResult Mvconf(std::vector<std::string> args, int interruptAfterMs = -1)
    {
        args.insert(args.begin(), MvconfPath());
        return RunProcess(args, kTransferTimeoutMs,
                          {"XDG_STATE_HOME=" + dir.File("state"), "XDG_CONFIG_HOME=" + dir.File("config")},
                          interruptAfterMs);
    }

    // A document with values that differ from the defaults in every kind of record.
    std::string MakeDocument(const std::string& name)
    {
        CData_All data, saved;
        CQ410CfDoc doc(data, saved, TestIdentity({.phonebookPart = "1"}));
        doc.OnNewDocument();
        data.cfg.basic.LoudBox = 5;
        data.cfg.basic.DialPre = "0";
        data.cfg.dialKey[2].KeyUse = KEYUSE_CHEF;
        data.cfg.dialKey[2].ChefKeyMsnInt = "12";
        data.cfg.msnPara[0].Msn = "3012345";
        data.cfg.msnPara[0].Loud = 5;
        data.cfg.msnPara[2].Melody = 7;
        data.cfg.dialIndex[9].Msn = "0891234";
        data.SetDialNameName(10, "M\xFCller");
        data.SetDialNameMsn(10, "0301111");
        std::string error;
        const std::string path = dir.File(name);
        EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
        return path;
    }

    int BackupCount()
    {
        std::error_code ec;
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(BackupFolder(), ec), {}));
    }

    std::string BackupFolder() { return dir.File("state") + "/mvconf/backups"; }

    // The copy the notice on standard output names; it must lie in the folder
    // and end as expected.
    std::string NoticedCopy(const ProcessResult& r, const std::string& notice, const std::string& ending)
    {
        const std::string prefix = notice + ": " + BackupFolder() + "/";
        const std::size_t at = r.out.find(prefix);
        EXPECT_NE(at, std::string::npos) << r.out;
        const std::string path = r.out.substr(at + notice.size() + 2, r.out.find('\n', at) - at - notice.size() - 2);
        EXPECT_TRUE(path.ends_with(ending)) << path;
        return path;
    }
};

TEST_F(CliTransfer, ConfigurationGoesToTheTelephoneAndComesBack)
{
    const std::string original = MakeDocument("a.mv8");
    const std::string before = ReadFileBytes(original);
    const std::string onPhone = dir.File("telefon.mv8");
    {
        SimulatedTelephone phone({"--save", onPhone, "--sessions", "1"});
        const ProcessResult r = Mvconf({"--device", phone.Device(), "--write-config", original});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(phone.Wait(5000), 0);
        // What was sent is kept, with the version the telephone reported.
        const std::string sent =
            NoticedCopy(r, "Sicherungskopie der gesendeten Daten", "-gesendet-konfiguration.mv8");
        EXPECT_EQ(ProfileValue(sent, "DialKey_3", "ChefKeyMsnInt"), "12");
        EXPECT_EQ(ProfileValue(sent, "Basic", "SwVers"), "V3.20");
    }
    EXPECT_EQ(ReadFileBytes(original), before); // a write does not rewrite the file
    EXPECT_EQ(ProfileValue(onPhone, "Basic", "LoudBox"), "5");
    EXPECT_EQ(ProfileValue(onPhone, "DialKey_3", "ChefKeyMsnInt"), "12");
    EXPECT_EQ(ProfileValue(onPhone, "DialIndex_9", "Msn"), "0891234");

    // Read back from a telephone paced like the real line: nothing reaches the
    // PC sooner than the line could carry it.
    const std::string readBack = dir.File("b.mv8");
    SimulatedTelephone phone({"--load", onPhone, "--sessions", "1", "--firmware", "V3.04", "--throttle", "--timing",
                              dir.File("timing.txt")});
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-config", readBack});
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(phone.Wait(5000), 0);
    const std::string timing = ReadFileBytes(dir.File("timing.txt"));
    const double sent = std::stod(timing.substr(timing.find("bytes_written ") + 14));
    EXPECT_GT(sent, 1000) << timing;
    EXPECT_GE(took.count(), sent * 10 / 9600);
    EXPECT_EQ(ProfileValue(readBack, "Basic", "LoudBox"), "5");
    EXPECT_EQ(ProfileValue(readBack, "Basic", "SwVers"), "V3.04");
    EXPECT_EQ(ProfileValue(readBack, "MsnPara_1", "Msn"), "3012345");
    EXPECT_EQ(ProfileValue(readBack, "MsnPara_1", "Loud"), "5");
    EXPECT_EQ(ProfileValue(readBack, "MsnPara_3", "Melody"), "7");
    EXPECT_EQ(ProfileValue(readBack, "DialKey_3", "KeyUse"), "CHEF");
    EXPECT_EQ(ProfileValue(NoticedCopy(r, "Sicherungskopie der gelesenen Daten", "-gelesen-konfiguration.mv8"), "Basic",
                    "SwVers"),
              "V3.04");
    EXPECT_EQ(BackupCount(), 2);
}

TEST_F(CliTransfer, PhoneBookGoesToTheTelephoneAndComesBack)
{
    const std::string original = MakeDocument("a.mv8");
    const std::string onPhone = dir.File("telefon.mv8");
    {
        SimulatedTelephone phone({"--save", onPhone, "--sessions", "1"});
        const ProcessResult r = Mvconf({"--device", phone.Device(), "--write-phonebook", original});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string sent = NoticedCopy(r, "Sicherungskopie der gesendeten Daten", "-gesendet-telefonbuch.mv8");
        EXPECT_EQ(ProfileValue(sent, "DialName_1", "Name"), "M\xFCller");
    }
    const std::string readBack = dir.File("b.mv8");
    SimulatedTelephone phone({"--load", onPhone, "--sessions", "1"});
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-phonebook", readBack});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ProfileValue(readBack, "DialName_1", "Name"), "M\xFCller"); // sorted to the front
    EXPECT_EQ(ProfileValue(readBack, "DialName_1", "Msn"), "0301111");
    EXPECT_EQ(ProfileValue(readBack, "DialName_5", "Name"), "Voxbox anw\xE4hlen");
}

// What the telephone sends is gone from the line after the read, so the
// file must be savable before it starts.
TEST_F(CliTransfer, AReadIntoAFileThatCannotBeSavedStartsNoTransfer)
{
    SimulatedTelephone phone({"--sessions", "1"});
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-config", dir.File("fehlt/b.mv8")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("kann nicht gespeichert werden"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Es wurde nichts übertragen."), std::string::npos) << r.err;
    EXPECT_EQ(BackupCount(), 0); // a completed read would have kept its copy
}

TEST_F(CliTransfer, ASilentTelephoneFailsTheReadAndLeavesTheFile)
{
    const std::string path = MakeDocument("a.mv8");
    const std::string before = ReadFileBytes(path);
    SimulatedTelephone phone({"--silent"});
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-config", path});
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Fehler beim Lesen der Konfiguration!"), std::string::npos) << r.err;
    // What to press, how long there is, and where it was waited for.
    EXPECT_NE(r.out.find("[Menu] [konfig] [pc] [daten]\nDas Telefon muss sich innerhalb von 10 Sekunden"),
              std::string::npos) << r.out;
    EXPECT_NE(r.err.find("nicht innerhalb von 10 Sekunden gemeldet"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Gerät " + phone.Device() + ")"), std::string::npos) << r.err;
    EXPECT_GE(seconds.count(), 9);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(BackupCount(), 0);
}

TEST_F(CliTransfer, ATelephoneThatVanishesFailsWithoutHanging)
{
    const std::string path = MakeDocument("a.mv8");
    const std::string before = ReadFileBytes(path);
    SimulatedTelephone phone({"--vanish-after", "5"});
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-config", path});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(CliTransfer, CtrlCEndsTheTransferAtOnceAndLeavesTheFile)
{
    const std::string path = MakeDocument("a.mv8");
    const std::string before = ReadFileBytes(path);
    SimulatedTelephone phone({"--silent"});
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = Mvconf({"--device", phone.Device(), "--read-config", path}, 500);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("abgebrochen"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(CliTransfer, PortErrorsSayWhatIsWrong)
{
    const std::string path = MakeDocument("a.mv8");
    ProcessResult r = Mvconf({"--device", dir.File("kein-geraet"), "--read-config", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("nicht vorhanden"), std::string::npos) << r.err;
    // COM 200 falls back to /dev/ttyS199, which no computer has: how to name a device.
    r = Mvconf({"--port", "200", "--read-config", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--device PFAD"), std::string::npos) << r.err;

    SimulatedTelephone phone({"--silent"});
    const PortHolder holder(phone.Device());
    ASSERT_TRUE(holder.IsOpen());
    r = Mvconf({"--device", phone.Device(), "--write-config", path});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("anderes Programm"), std::string::npos) << r.err;
}

} // namespace
