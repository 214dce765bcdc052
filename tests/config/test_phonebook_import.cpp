// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "CParse.h"
#include "FileCalls.h"
#include "ImportTextEncoding.h"
#include "PhoneBookImport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::string>;

class ParseTest : public ::testing::Test {
protected:
    TraceCapture m_trace;
};

TEST_F(ParseTest, SplitsColumnsAtTabsAndTokensAtSeparators)
{
    CParse parse("Meier Hans\tBerlin\t030 1234\rx-y,z/w\r");

    EXPECT_TRUE(parse.NextLine());
    ASSERT_EQ(parse.ColumnCount(), 3);
    EXPECT_EQ(parse.Tokens(0), (Tokens{"Meier", "Hans"}));
    EXPECT_EQ(parse.Tokens(1), (Tokens{"Berlin"}));
    EXPECT_EQ(parse.Tokens(2), (Tokens{"030", "1234"}));
    EXPECT_EQ(parse.LineCount(), 1);

    EXPECT_TRUE(parse.NextLine());
    ASSERT_EQ(parse.ColumnCount(), 1);
    EXPECT_EQ(parse.Tokens(0), (Tokens{"x", "y", "z", "w"}));
    EXPECT_EQ(parse.LineCount(), 2);

    // After the final carriage return the end of the file is one empty line
    // that does not count.
    EXPECT_FALSE(parse.NextLine());
    ASSERT_EQ(parse.ColumnCount(), 1);
    EXPECT_TRUE(parse.Tokens(0).empty());
    EXPECT_EQ(parse.LineCount(), 2);
}

TEST_F(ParseTest, IgnoredBytesNeitherSplitNorAppear)
{
    // Control characters are ignored: B and C around one melt into one token.
    CParse parse("ab(c\tB\x01" "C\x7F\x80 M\xFC\xDFller +49*1#.");
    EXPECT_FALSE(parse.NextLine());
    ASSERT_EQ(parse.ColumnCount(), 2);
    EXPECT_EQ(parse.Tokens(0), (Tokens{"abc"}));
    EXPECT_EQ(parse.Tokens(1), (Tokens{"BC", "M\xFC\xDFller", "+49*1#."}));
    EXPECT_EQ(parse.LineCount(), 0);
}

TEST_F(ParseTest, CutsTokensColumnsAndCharactersAtTheirLimits)
{
    std::string manyTokens;
    for (int i = 0; i < 55; ++i)
        manyTokens += "t" + std::to_string(i) + " ";
    std::string manyTabs;
    for (int i = 0; i < 60; ++i)
        manyTabs += "c" + std::to_string(i) + "\t";
    CParse parse(std::string(60, 'A') + "\r" + manyTokens + "\r" + manyTabs + "end\r");

    ASSERT_TRUE(parse.NextLine());
    EXPECT_EQ(parse.Tokens(0), (Tokens{std::string(50, 'A')}));
    EXPECT_EQ(m_trace.Count("CParse: NextLine() to much chars!"), 10);

    ASSERT_TRUE(parse.NextLine());
    ASSERT_EQ(parse.Tokens(0).size(), 50u);
    EXPECT_EQ(parse.Tokens(0).back(), "t49");
    EXPECT_EQ(m_trace.Count("CParse: NextLine() to much toks!"), 5);

    // Ten tabs too many: everything from c50 on stays in the 51st column.
    ASSERT_TRUE(parse.NextLine());
    ASSERT_EQ(parse.ColumnCount(), 51);
    EXPECT_EQ(parse.Tokens(49), (Tokens{"c49"}));
    const Tokens& last = parse.Tokens(50);
    ASSERT_EQ(last.size(), 11u);
    EXPECT_EQ(last.front(), "c50");
    EXPECT_EQ(last.back(), "end");
    EXPECT_EQ(m_trace.Count("CParse: NextLine() to much cols!"), 10);
}

// Windows, Unix and old Macintosh line ends, also mixed in one file.
TEST_F(ParseTest, CrLfLfAndCrEachEndOneLine)
{
    CParse parse("a\r\nb\nc\rd\r\r\ne");
    for (const Tokens& line : {Tokens{"a"}, Tokens{"b"}, Tokens{"c"}, Tokens{"d"}, Tokens{}}) {
        ASSERT_TRUE(parse.NextLine());
        EXPECT_EQ(parse.Tokens(0), line);
    }
    EXPECT_FALSE(parse.NextLine());
    EXPECT_EQ(parse.Tokens(0), (Tokens{"e"}));
    EXPECT_EQ(parse.LineCount(), 5);
    EXPECT_EQ(m_trace.Count("CParse: Constructor()"), 1);
}

// The import into a phone book whose switch is off, as shipped: the import
// sorts all the same.
class ImportTest : public ::testing::Test {
protected:
    ImportTest() { settings.fileName = m_dir.File("book.txt"); }

    bool Import(std::string_view bytes)
    {
        WriteFileBytes(settings.fileName, bytes);
        return DoImport(settings, data, m_switches, error);
    }

    std::string Name(int pos) const { return data.GetDialNameName(pos); }
    std::string Msn(int pos) const { return data.GetDialNameMsn(pos); }
    int Filled() const
    {
        int n = 0;
        for (const auto& e : data.dialName.entry)
            n += !e.IsEmpty();
        return n;
    }

    const CDerivat m_switches = TestSwitches({.phonebookPart = "0"});
    TempDir m_dir;
    TraceCapture m_trace;
    ImportSettings settings;
    CData_All data;
    std::string error;
};

TEST_F(ImportTest, DefaultSettingsTakeNameFromFirstAndNumberFromThirdColumn)
{
    ASSERT_TRUE(Import("Meier Hans\tBerlin\t030 1234\r"));
    EXPECT_EQ(Name(0), "Meier Hans");
    EXPECT_EQ(Msn(0), "030");
    EXPECT_EQ(Filled(), 1);
    EXPECT_TRUE(m_trace.Contains("CDlgE_Import: DoImport()"));
}

TEST_F(ImportTest, ColumnRepeatMakesSeveralEntriesOfOneLine)
{
    settings.columnRepeat = 2;
    settings.numberColumn = 1;
    settings.nameToken = {0, -1, -1, -1};
    ASSERT_TRUE(Import("Anna\t111\tBernd\t222\r"));
    EXPECT_EQ(Name(0), "Anna");
    EXPECT_EQ(Msn(0), "111");
    EXPECT_EQ(Name(1), "Bernd");
    EXPECT_EQ(Msn(1), "222");
    EXPECT_EQ(Filled(), 2);

    // The end of the line completes a group that is short of columns.
    settings.columnRepeat = 3;
    ASSERT_TRUE(Import("Anna\t111\tx\tCarl\t333\r"));
    EXPECT_EQ(Name(1), "Carl");
    EXPECT_EQ(Msn(1), "333");
}

// Today's text files: UTF-8 with LF line ends.
TEST_F(ImportTest, Utf8IsConvertedAndWhatWindows1252LacksIsCounted)
{
    ImportReport report;
    WriteFileBytes(settings.fileName, "M\xC3\xBCller Hans\t\t030\n\xC5\x81ukasz \xD0\x96\t\t089\n");
    ASSERT_EQ(ImportPhoneBook(settings, data, m_switches, {}, report), ImportResult::Imported);
    EXPECT_EQ(Name(0), "Lukasz");
    EXPECT_EQ(Name(1), "M\xFCller Hans");
    EXPECT_EQ(ImportResultText(report), "2 Einträge übernommen. 1 Zeichen ohne Entsprechung in Windows-1252 "
                                        "wurde ersetzt, 1 weiteres weggelassen.");
}

TEST_F(ImportTest, NothingFoundKeepsThePhoneBook)
{
    data.SetDialNameName(0, "Alt");
    data.SetDialNameMsn(0, "1");
    EXPECT_FALSE(Import("M\xC3\xBCller 030\nB\xC3\xA4r 089\n")); // no tabs
    EXPECT_EQ(Name(0), "Alt");
    EXPECT_NE(error.find("Das Telefonbuch bleibt, wie es war."), std::string::npos) << error;
}

// "+" is the international prefix; names and numbers are cut to 20.
TEST_F(ImportTest, TheReportCountsWhatDidNotArriveAsItStood)
{
    settings.prefix = "0";
    ImportReport report;
    WriteFileBytes(settings.fileName, "Anna\t\t+49301234\r" + std::string(25, 'N') + "\t\t1\nBob\t\t12ab3\r\n"
                                      "Carl\t\t0.30\rDora\t\t1+2\rEva\t\t" + std::string(20, '5') + "\r");
    ASSERT_EQ(ImportPhoneBook(settings, data, m_switches, {}, report), ImportResult::Imported);
    EXPECT_EQ(Msn(0), "00049301234");
    EXPECT_EQ(Msn(1), "0123");
    EXPECT_EQ(Msn(2), "0030");
    EXPECT_EQ(Msn(3), "012");
    EXPECT_EQ(Msn(4), "0" + std::string(19, '5'));
    EXPECT_EQ(Name(5), std::string(20, 'N'));
    EXPECT_EQ(ImportResultText(report), "6 Einträge übernommen. 1 Name wurde auf 20 Zeichen gekürzt; 1 Rufnummer "
                                        "wurde auf 20 Zeichen gekürzt; 3 Rufnummern enthielten Zeichen, die eine "
                                        "Rufnummer nicht aufnehmen kann (zuerst in Zeile 3); sie wurden weggelassen.");
}

// The document is kept before a phone book that holds entries is replaced,
// and a phone book is never replaced without the copy.
TEST_F(ImportTest, KeepsTheDocumentBeforeReplacingAPhoneBookWithEntries)
{
    const CDerivat phoneBookOn = TestSwitches({.phonebookPart = "1"});
    const std::string folder = m_dir.File("backups");
    ImportReport report;
    WriteFileBytes(settings.fileName, "Anna\t\t1\r");
    ASSERT_EQ(ImportPhoneBook(settings, data, phoneBookOn, folder, report), ImportResult::Imported);
    EXPECT_FALSE(report.backup.Tried());
    EXPECT_FALSE(FileExists(folder));

    WriteFileBytes(settings.fileName, "Bob\t\t2\r");
    ASSERT_EQ(ImportPhoneBook(settings, data, phoneBookOn, folder, report), ImportResult::Imported);
    const std::string copy = report.backup.path;
    EXPECT_TRUE(copy.starts_with(folder + FolderSeparator()) && copy.ends_with("-vor-import-telefonbuch.mv8")) << copy;
    EXPECT_EQ(ProfileValue(copy, "DialName_1", "Name"), "Anna");
    EXPECT_EQ(ImportResultText(report), "1 Eintrag übernommen. Sicherungskopie des Dokuments vor dem Import: " + copy);

    WriteFileBytes(settings.fileName, "nichts\r");
    EXPECT_EQ(ImportPhoneBook(settings, data, phoneBookOn, folder, report), ImportResult::NothingFound);
    EXPECT_FALSE(report.backup.Tried());

    WriteFileBytes(settings.fileName, "Carl\t\t3\r");
    EXPECT_EQ(ImportPhoneBook(settings, data, phoneBookOn, settings.fileName + "/backups", report),
              ImportResult::NotKept);
    EXPECT_EQ(Name(0), "Bob");
    EXPECT_TRUE(report.error.starts_with("Keine Sicherungskopie des Dokuments vor dem Import angelegt: ")) << report.error;
    EXPECT_NE(report.error.find("Das Telefonbuch bleibt, wie es war"), std::string::npos) << report.error;
}

TEST_F(ImportTest, PrefixGoesBeforeTheNumberAsTheFileHadIt)
{
    ASSERT_TRUE(Import("Huber\t\t(089) 55\r"));
    EXPECT_EQ(Msn(0), "089");

    settings.prefix = "0";
    ASSERT_TRUE(Import("Huber\t\t(089) 55\r"));
    EXPECT_EQ(Msn(0), "0089");

    // Letters of the number token are filtered only after the prefix joined it.
    settings.prefix = "9,";
    ASSERT_TRUE(Import("Huber\t\t12ab3\r"));
    EXPECT_EQ(Msn(0), "9123");
}

TEST_F(ImportTest, LongNameTokenIsCutByParserThenByName)
{
    ASSERT_TRUE(Import(std::string(60, 'N') + "\t\t1\r"));
    EXPECT_EQ(Name(0), std::string(20, 'N'));
    EXPECT_EQ(m_trace.Count("CParse: NextLine() to much chars!"), 10);
    EXPECT_TRUE(m_trace.Contains("CData: StrToName() Invalid length!"));
}

TEST_F(ImportTest, NamePartsJoinWithSingleSpacesSkippingEmptyOnes)
{
    settings.nameColumn = {1, 0, 0, 0};
    settings.nameToken = {0, 0, 1, 7};
    ASSERT_TRUE(Import("Hans Peter\tMeier\t030\rAnna\t\t040\r"));
    EXPECT_EQ(Name(0), "Anna");
    EXPECT_EQ(Name(1), "Meier Hans Peter");
}

TEST_F(ImportTest, EntriesWithoutNameOrNumberTakeNoPlace)
{
    ASSERT_TRUE(Import("OhneNummer\r\t\t555\rNurText\t\tabc\rAnna\t\t111\r\r"));
    EXPECT_EQ(Filled(), 1);
    EXPECT_EQ(Name(0), "Anna");
}

TEST_F(ImportTest, StopsAfterTheRequestedNumberOfEntries)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += "Name" + std::to_string(i) + "\t\t" + std::to_string(i) + "\r";
    settings.entries = 5;
    ASSERT_TRUE(Import(bytes));
    EXPECT_EQ(Filled(), 5);
    EXPECT_EQ(Name(4), "Name4");
}

TEST_F(ImportTest, StopsWhenThePhoneBookIsFull)
{
    std::string bytes;
    for (int i = 0; i < 250; ++i)
        bytes += "N" + std::to_string(1000 + i) + "\t\t" + std::to_string(i) + "\r";
    settings.entries = 999; // the dialog refuses it; the core must not overrun
    ASSERT_TRUE(Import(bytes));
    EXPECT_EQ(Filled(), 200);
    EXPECT_EQ(Name(199), "N1199");
}

TEST_F(ImportTest, LastLineWithoutCarriageReturnIsImported)
{
    ASSERT_TRUE(Import("Anna\t\t111\rBernd Otto\t\t222 333"));
    EXPECT_EQ(Name(1), "Bernd Otto");
    EXPECT_EQ(Msn(1), "222");
}

TEST_F(ImportTest, StartLineSkipsExactlyTheLinesBeforeIt)
{
    const std::string bytes = "L1\t\t1\rL2\t\t2\rL3\t\t3";
    for (int start : {-5, 0}) {
        settings.startLine = start;
        ASSERT_TRUE(Import(bytes));
        EXPECT_EQ(Name(0), "L1") << start;
        EXPECT_EQ(Filled(), 3) << start;
    }
    settings.startLine = 1;
    ASSERT_TRUE(Import(bytes));
    EXPECT_EQ(Name(0), "L2");
    EXPECT_EQ(Filled(), 2);
    settings.startLine = 2; // the last line has no carriage return
    ASSERT_TRUE(Import(bytes));
    EXPECT_EQ(Name(0), "L3");
    EXPECT_EQ(Filled(), 1);
}

TEST_F(ImportTest, ResultIsSortedAndReplacesTheOldPhoneBook)
{
    FillTestData(data);
    ASSERT_TRUE(Import("bob\t\t1\rAnna\t\t2\r\xE4rger\t\t4\ralf\t\t3\r"));
    EXPECT_EQ(Name(0), "alf");
    EXPECT_EQ(Name(1), "Anna");
    EXPECT_EQ(Name(2), "bob");
    EXPECT_EQ(Name(3), "\xE4rger");
    EXPECT_EQ(Msn(3), "4");
    EXPECT_EQ(Filled(), 4);
}

TEST_F(ImportTest, UnreadableFileLeavesThePhoneBookAlone)
{
    FillTestData(data);
    const CData_All before = data;

    settings.fileName = m_dir.File("fehlt.txt");
    EXPECT_FALSE(DoImport(settings, data, m_switches, error));
    EXPECT_NE(error.find("\"" + settings.fileName + "\""), std::string::npos) << error;
    EXPECT_NE(error.find("nicht vorhanden"), std::string::npos) << error;
    EXPECT_TRUE(data == before);

    error.clear();
    settings.fileName = m_dir.Path();
    EXPECT_FALSE(DoImport(settings, data, m_switches, error));
    EXPECT_NE(error.find("ein Ordner"), std::string::npos) << error;
    EXPECT_TRUE(data == before);
}

class ExportTest : public ::testing::Test {
protected:
    void Set(int pos, std::string_view name, std::string_view msn)
    {
        data.SetDialNameName(pos, name);
        data.SetDialNameMsn(pos, msn);
    }

    TempDir m_dir;
    CData_All data;
    std::string error;
};

TEST_F(ExportTest, WritesCompleteEntriesInPositionOrderAsStored)
{
    Set(0, "Zoe", "111");
    Set(1, "OhneNummer", "");
    Set(2, "", "222");
    Set(5, "M\xFCller Hans", "0#*9");
    const std::string path = m_dir.File("out.txt");
    WriteFileBytes(path, "old content that is longer than the new one\r\n");
    TraceCapture trace;

    ASSERT_TRUE(ExportPhoneBook(data, path, error)) << error;
    EXPECT_EQ(ReadFileBytes(path), "Zoe\t111\r\nM\xFCller Hans\t0#*9\r\n");
    EXPECT_TRUE(trace.Contains("MainFrm: OnFileExportDialname()"));
}

TEST_F(ExportTest, MissingFolderIsReported)
{
    Set(0, "Anna", "111");
    const std::string path = m_dir.File("fehlt/out.txt");
    EXPECT_FALSE(ExportPhoneBook(data, path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ExportTest, ImportReadsTheExportBack)
{
    Set(0, "Anna Lena Maria", "0301234");
    Set(1, "B\xE4r", "#31*");
    const std::string path = m_dir.File("book.txt");
    ASSERT_TRUE(ExportPhoneBook(data, path, error)) << error;

    ImportSettings settings;
    settings.fileName = path;
    settings.numberColumn = 1;
    CData_All back;
    ASSERT_TRUE(DoImport(settings, back, TestSwitches(), error)) << error;
    EXPECT_TRUE(back.dialName == data.dialName);
}

TEST(FillTestDataTest, FillsEveryEntryWithTwentyCharacters)
{
    CData_All data;
    data.dialName.entry[7].Loud = 5;
    FillTestData(data);
    EXPECT_EQ(data.GetDialNameName(0), "000--012345678901234");
    EXPECT_EQ(data.GetDialNameMsn(0), "000 Abcdefghijklmnop");
    EXPECT_EQ(data.GetDialNameName(199), "199--012345678901234");
    EXPECT_EQ(data.GetDialNameMsn(199), "199 Abcdefghijklmnop");
    EXPECT_EQ(data.dialName.entry[7].Loud, 3);
}

TEST(ImportTextEncoding, Utf8BecomesWindows1252AndAnyOtherTextStaysAsItIs)
{
    for (std::string_view other : {"M\xFCller\r\n", "plain\n", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        const ImportText text = ImportTextToCp1252(other);
        EXPECT_FALSE(text.fromUtf8);
        EXPECT_EQ(text.bytes, other);
    }
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x93\x9E"));

    // What Windows-1252 has, its quotes and dashes among it, arrives as it is.
    ImportText text = ImportTextToCp1252("\xEF\xBB\xBF\xC3\xA4 \xE2\x80\x9E" "x\xE2\x80\x9C \xE2\x80\x93 \xE2\x82\xAC");
    EXPECT_TRUE(text.fromUtf8);
    EXPECT_EQ(text.bytes, "\xE4 \x84x\x93 \x96 \x80");
    EXPECT_EQ(text.replaced + text.dropped, 0);

    // Latin Extended letters become their base letter, a ligature its two
    // letters, other dashes the hyphen; a character with nothing near goes.
    text = ImportTextToCp1252("\xC5\x81\xC3\xB3" "d\xC5\xBA \xC4\xB2 \xE2\x80\x90 \xE1\xBB\x85 \xD0\x96\xF0\x9F\x93\x9E");
    EXPECT_EQ(text.bytes, "L\xF3" "dz IJ - e ");
    EXPECT_EQ(text.replaced, 5);
    EXPECT_EQ(text.dropped, 2);
}

TEST(ImportReportText, PluralsAndCharactersLeftOut)
{
    ImportReport report;
    report.entries = 12;
    report.namesCut = 2;
    report.numbersCut = 3;
    report.droppedCharacters = 4;
    report.foreignNumbers = 1;
    report.firstForeignLine = 7;
    EXPECT_EQ(ImportResultText(report), "12 Einträge übernommen. 2 Namen wurden auf 20 Zeichen gekürzt; 3 Rufnummern "
                                        "wurden auf 20 Zeichen gekürzt; 4 Zeichen ohne Entsprechung in Windows-1252 "
                                        "wurden weggelassen; 1 Rufnummer enthielt Zeichen, die eine Rufnummer nicht "
                                        "aufnehmen kann (in Zeile 7); sie wurden weggelassen.");
}

} // namespace
