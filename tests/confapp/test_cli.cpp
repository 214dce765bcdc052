// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMain.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
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
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

// What a writer puts into the pipe until it closes it; at most 20 s of silence.
std::string DrainPipe(int fd)
{
    std::string bytes;
    char buffer[4096];
    for (pollfd p{fd, POLLIN, 0}; ::poll(&p, 1, 20000) > 0;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EAGAIN))
            break;
        if (n > 0)
            bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
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

// The command line and the window's document give the same file for a
// deluxe document, also when the window had a basic one open before.
TEST(Cli, ConvertGivesWhatTheWindowsDocumentSavesWhateverWasOpenBefore)
{
    TempDir dir;
    const std::string deluxe = dir.File("ql410.mv8");
    const std::string basic = dir.File("q410.mv8");
    WriteFileBytes(deluxe, "[Basic]\r\nPhoneType=QL410\r\n[DialKey_3]\r\nKeyUse=LINE\r\nLineKeyMsn=12\r\n");
    WriteFileBytes(basic, "[Basic]\r\nPhoneType=Q410\r\n");
    ASSERT_EQ(RunMvconf({"--convert", deluxe, dir.File("cli.mv8")}).status, 0);
    TestDocument window;
    std::string error;
    ASSERT_TRUE(window.doc.OnOpenDocument(basic, error) && window.doc.OnOpenDocument(deluxe, error)) << error;
    ASSERT_TRUE(window.doc.OnSaveDocument(dir.File("fenster.mv8"), error)) << error;
    EXPECT_EQ(ReadFileBytes(dir.File("cli.mv8")), ReadFileBytes(dir.File("fenster.mv8")));
    EXPECT_NE(ReadFileBytes(dir.File("cli.mv8")).find("[DialKey_3]\r\nKeyUse=LINE\r\n"), std::string::npos);
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
        {"--new", doc, "--force"},
    };
    for (const auto& args : bad) {
        const CliRun run = RunMvconf(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_TRUE(run.err.starts_with("mvconf: ")) << run.err;
        // The reason and where to read more; the whole help would bury the reason.
        EXPECT_TRUE(run.err.ends_with("\n") && run.err.find("Aufruf:") == std::string::npos) << run.err;
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

// A binary, an empty or a foreign file would read as a document of defaults;
// nothing is saved, sent or replaced on its account.
TEST(Cli, AFileThatIsNoDocumentIsRefusedEverywhere)
{
    TempDir dir;
    const std::string good = dir.File("gut.mv8");
    ASSERT_EQ(RunMvconf({"--new", good}).status, 0);
    const std::string phoneBookOnly = dir.File("buch.mv8");
    WriteFileBytes(phoneBookOnly, "[DialName_1]\r\nName=Anna\r\nMsn=1\r\n");
    const std::string missing = dir.File("fehlt");
    for (const std::string& bytes : {std::string("\x7F" "ELF\x02\x01\x01\0\0", 9), std::string(), std::string("[Foo]\r\nx=1\r\n")}) {
        const std::string bad = dir.File("kaputt.mv8");
        WriteFileBytes(bad, bytes);
        for (const std::vector<std::string>& args : {std::vector<std::string>{"--convert", bad, dir.File("neu.mv8")},
                                                     {"--compare", good, bad},
                                                     {"--device", missing, "--write-config", bad},
                                                     {"--export-phonebook", bad, dir.File("aus.txt")}}) {
            const CliRun run = RunMvconf(args);
            EXPECT_EQ(run.status, 2) << args[0];
            EXPECT_NE(run.err.find("ist kein mvconf-Dokument"), std::string::npos) << run.err;
        }
        EXPECT_FALSE(FileExists(dir.File("neu.mv8")));
        // Reading into it would replace it; only an empty file is taken as a new document.
        const CliRun read = RunMvconf({"--device", missing, "--read-config", bad});
        EXPECT_EQ(read.status, 2);
        EXPECT_EQ(read.err.find("ist kein mvconf-Dokument") == std::string::npos, bytes.empty()) << read.err;
        EXPECT_EQ(ReadFileBytes(bad), bytes);
    }
    // A document without the half that is sent needs --force before the port is opened.
    CliRun run = RunMvconf({"--device", missing, "--write-config", phoneBookOnly});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("enthält keine Konfiguration"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Mit --force"), std::string::npos) << run.err;
    run = RunMvconf({"--device", missing, "--write-config", phoneBookOnly, "--force"});
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    run = RunMvconf({"--device", missing, "--write-phonebook", good});
    EXPECT_NE(run.err.find("enthält kein Telefonbuch"), std::string::npos) << run.err;
}

// Saving never reads the target: a pipe with a reader gets the document and
// the program goes on; a missing reader makes it fail, never wait.
TEST(Cli, SavingIntoAPipeWritesWithoutReadingIt)
{
    TempDir dir;
    const std::string source = dir.File("quelle.mv8");
    WriteFileBytes(source, "[Foo]\r\nx=1\r\n[Basic]\r\nLoudBox=5\r\n");
    const std::string pipe = dir.File("rohr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--new", pipe},
                                                 {"--convert", source, pipe}}) {
        // The reader is there before the program starts, as with ">(...)".
        const int fd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        std::string received;
        std::thread reader([&] { received = DrainPipe(fd); });
        auto run = std::async(std::launch::async, [&] { return RunMvconf(args); });
        const bool ended = run.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
        if (!ended) // a program that waits for a writer: let it go, so the test fails instead of hanging
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        reader.join();
        ::close(fd);
        ASSERT_TRUE(ended) << args[0];
        EXPECT_EQ(run.get().status, 0);
        EXPECT_TRUE(received.starts_with("[Basic]\r\n")) << received.substr(0, 40);
        EXPECT_EQ(received.find("[Foo]") != std::string::npos, args[0] == "--convert");
    }
}

TEST(Cli, NothingToWriteIsSaidWithExitOne)
{
    TempDir dir;
    const std::string doc = dir.File("neu.mv8");
    CliRun run = RunMvconf({"--new", doc, "--config-part", "0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nicht angelegt"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(doc));

    ASSERT_EQ(RunMvconf({"--new", doc}).status, 0); // the shipped build: no phone book
    for (const std::string& target : {dir.File("aus.txt"), std::string("-")}) {
        run = RunMvconf({"--export-phonebook", doc, target});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("keinen Eintrag"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(FileExists(dir.File("aus.txt")));
}
