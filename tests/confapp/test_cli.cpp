// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMain.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunMvconf(const std::vector<std::string>& args)
{
    std::vector<std::string> storage{"mvconf"};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : storage)
        argv.push_back(a.data());
    std::ostringstream out, err;
    IdentityScope shipped; // every run starts from the shipped identity
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(Cli, NewAndConvertWriteDocuments)
{
    TempDir dir;
    const std::string fresh = dir.File("neu.mv8");
    ASSERT_EQ(RunMvconf({"--new", fresh}).status, 0);
    const std::string text = ReadFileBytes(fresh);
    EXPECT_TRUE(text.starts_with("[Basic]\r\nPhoneType=QL410\r\n"));
    EXPECT_EQ(text.find("[DialName_"), std::string::npos); // shipped without the phone book

    const std::string old = dir.File("alt.mv8");
    WriteFileBytes(old, "[Foo]\nx=1\n[DialKey_2]\nUse=KEYPAD\nMsn=123\n");
    const std::string converted = dir.File("neu2.mv8");
    ASSERT_EQ(RunMvconf({"--convert", old, converted, "--firmware", "V2.00"}).status, 0);
    const std::string conv = ReadFileBytes(converted);
    EXPECT_NE(conv.find("[DialKey_2]\r\nKeyUse=DIAL\r\nDialKeyUse=KEYPAD\r\nDialKeyMsn=123\r\n"), std::string::npos);
    // A new file gets the sections the program does not write after its own.
    EXPECT_TRUE(conv.ends_with("MsnAws=\r\n[Foo]\r\nx=1\r\n")) << conv;
    ASSERT_EQ(RunMvconf({"--convert", old, old}).status, 0);
    EXPECT_TRUE(ReadFileBytes(old).starts_with("[Foo]\r\nx=1\r\n[DialKey_2]\r\nUse=KEYPAD\r\nMsn=123\r\nKeyUse="));
}

TEST(Cli, ImportAndExportThePhoneBook)
{
    TempDir dir;
    const std::string text = dir.File("liste.txt");
    const std::string doc = dir.File("buch.mv8");
    WriteFileBytes(text, "Name\tNummer\r\nMeier Hans\t030 1234\r\nAnna\t(089) 55\r\n");
    const CliRun run = RunMvconf({"--import-phonebook", text, doc, "--start-line", "2", "--number-column", "2",
                            "--prefix", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("2 Telefonbucheintr"), std::string::npos);
    EXPECT_NE(ReadFileBytes(doc).find("[DialName_1]\r\nLoud=3\r\nMelodyExt=0\r\nName=Anna\r\nMsn=0089\r\n"),
              std::string::npos);

    const std::string exported = dir.File("aus.txt");
    ASSERT_EQ(RunMvconf({"--export-phonebook", doc, exported}).status, 0);
    EXPECT_EQ(ReadFileBytes(exported), "Anna\t0089\r\nMeier Hans\t0030\r\n");
    EXPECT_EQ(RunMvconf({"--export-phonebook", doc, "-"}).out, "Anna\t0089\r\nMeier Hans\t0030\r\n");
}

// Exit 1 when nothing was found, and the book stays.
TEST(Cli, AnImportThatFindsNothingKeepsTheDocument)
{
    TempDir dir;
    const std::string text = dir.File("liste.txt");
    const std::string doc = dir.File("buch.mv8");
    WriteFileBytes(text, "Meier Hans 030\nAnna 089\n"); // no tabs: one column
    CliRun run = RunMvconf({"--import-phonebook", text, doc});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Das Telefonbuch bleibt, wie es war."), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(doc));

    run = RunMvconf({"--import-phonebook", text, doc, "--number-column", "1", "--number-token", "3",
                     "--name-tokens", "1,2,0,0"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ProfileValue(doc, "DialName_1", "Name"), "Meier Hans");
}

// An existing document is kept before its phone book is replaced; the
// warnings come on stderr, the result and the copy on stdout.
TEST(Cli, AnImportKeepsTheDocumentItReplacesAndWarns)
{
    TempDir dir;
    const char* const stateHome = std::getenv("XDG_STATE_HOME");
    const std::string oldStateHome = stateHome ? stateHome : "";
    ::setenv("XDG_STATE_HOME", dir.File("state").c_str(), 1);
    const std::string text = dir.File("liste.txt");
    const std::string doc = dir.File("buch.mv8");
    WriteFileBytes(doc, "[DialName_1]\r\nName=Alt\r\nMsn=1\r\n");
    WriteFileBytes(text, "Dvo\xC5\x99\xC3\xA4k\t+49 30\n" + std::string(22, 'x') + "\t1\n");
    const CliRun run = RunMvconf({"--import-phonebook", text, doc, "--number-column", "2"});
    stateHome ? ::setenv("XDG_STATE_HOME", oldStateHome.c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "mvconf: Warnung: 1 Name wurde auf 20 Zeichen gekürzt; 1 Zeichen ohne Entsprechung in "
                       "Windows-1252 wurde ersetzt.\n");
    const std::string notice = "Sicherungskopie des Dokuments vor dem Import: ";
    const std::size_t at = run.out.find(notice);
    ASSERT_EQ(run.out.substr(0, at), "2 Telefonbucheinträge in " + doc + " gespeichert.\n");
    const std::string copy = run.out.substr(at + notice.size(), run.out.size() - at - notice.size() - 1);
    EXPECT_TRUE(copy.starts_with(dir.File("state/mvconf/backups/"))) << copy;
    EXPECT_EQ(ProfileValue(copy, "DialName_1", "Name"), "Alt");
    EXPECT_EQ(ProfileValue(doc, "DialName_1", "Msn"), "0049");
}

TEST(Cli, BadCommandLinesAndFilesExitWithStatusTwoAndTouchNothing)
{
    TempDir dir;
    const std::string doc = dir.File("buch.mv8");
    WriteFileBytes(doc, "[Basic]\r\nLoudBox=2\r\n");
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--new"},
        {"--new", doc, "--convert", doc, doc},
        {"--frobnicate", "1", "--new", doc},
        {"--import-phonebook", dir.File("fehlt.txt"), doc},
        {"--import-phonebook", doc, doc, "--entries", "201"},
        {"--import-phonebook", doc, doc, "--name-columns", "1,2"},
        {"--import-phonebook", doc, doc, "--phonebook-part", "0"},
        {"--new", doc, "--start-line", "2"},
        {"--new", doc, "--config-part", "2"},
        {"--export-phonebook", dir.File("fehlt.mv8"), dir.File("aus.txt")},
        {"--new", dir.File("fehlt/neu.mv8")},
        {"--device", "a", "--device", "b", "--read-config", doc},
        {"--device", "a", "--device", "b", "--port", "3", "--write-config", doc},
    };
    for (const auto& args : bad) {
        const CliRun run = RunMvconf(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_TRUE(run.err.starts_with("mvconf: ")) << run.err;
    }
    EXPECT_EQ(ReadFileBytes(doc), "[Basic]\r\nLoudBox=2\r\n");
    EXPECT_FALSE(FileExists(dir.File("aus.txt")));
}

TEST(Cli, IdentityOverridesReachTheDocument)
{
    TempDir dir;
    const std::string doc = dir.File("kalma.mv8");
    ASSERT_EQ(RunMvconf({"--new", doc, "--country", "AUSTRIA", "--phonebook-part", "1", "--config-part", "0"}).status, 0);
    const std::string text = ReadFileBytes(doc);
    EXPECT_TRUE(text.starts_with("[DialName_1]\r\nLoud=3\r\nMelodyExt=0\r\nName=\r\n")); // no German presets
    EXPECT_EQ(text.find("[Basic]"), std::string::npos);
}

TEST(Cli, UnknownIdentityNamesWarnButStillApply)
{
    TempDir dir;
    const std::string doc = dir.File("neu.mv8");
    const CliRun run = RunMvconf({"--new", doc, "--derivative", "varonik", "--firmware", "Vx.yy"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("\"varonik\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("VARONIK, KALMA oder ZEFIR"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\"Vx.yy\""), std::string::npos) << run.err;

    const CliRun known = RunMvconf({"--new", doc, "--derivative", "KALMA", "--firmware", "V3.20", "--country", "GERMANY"});
    EXPECT_EQ(known.err, "");
    for (const char* help : {"-h", "--help"}) {
        const CliRun shown = RunMvconf({help});
        EXPECT_EQ(shown.status, 0);
        EXPECT_NE(shown.out.find("--derivative NAME      VARONIK, KALMA oder ZEFIR"), std::string::npos) << shown.out;
    }
    EXPECT_EQ(RunMvconf({"-v"}).out, RunMvconf({"--version"}).out);
}

TEST(Cli, CompareListsTheDifferencesAndTellsThemByItsExitStatus)
{
    TempDir dir;
    const std::string a = dir.File("a.mv8");
    const std::string b = dir.File("b.mv8");
    ASSERT_EQ(RunMvconf({"--new", a, "--phonebook-part", "1"}).status, 0);
    std::string text = ReadFileBytes(a);
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"LoudBox=3", "LoudBox=5"},
                                   {"[DialKey_2]\r\nKeyUse=DIAL", "[DialKey_2]\r\nKeyUse=CHEF"},
                                   {"Name=Nachricht abh\xF6ren", "Name=Nachricht abh\xF6ren!"}})
        text.replace(text.find(from), from.size(), to);
    WriteFileBytes(b, text);

    CliRun run = RunMvconf({"--compare", a, b});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "Allgemein: Lautsprecher Lautstärke: \"Stufe 3 von 6\" -> \"Stufe 5 von 6\"\n"
                       "Tasten: 2: Tastenart: \"Zielwahltaste\" -> \"Chef\"\n");
    // The telephone of version 2.00 knows no chef key; the phone book counts when its part is on.
    run = RunMvconf({"--compare", a, b, "--firmware", "V2.00", "--phonebook-part", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Allgemein: Lautsprecher Lautstärke: \"Stufe 3 von 6\" -> \"Stufe 5 von 6\"\n"
                       "Telefonbuch: Nr. 1: Name: \"Nachricht abhören\" -> \"Nachricht abhören!\"\n");

    run = RunMvconf({"--compare", b, b});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    run = RunMvconf({"--compare", a, dir.File("fehlt.mv8")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("fehlt.mv8\" ist nicht vorhanden"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}
