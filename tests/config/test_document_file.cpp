// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class DocumentFile : public ::testing::Test {
protected:
    CData_All data;
    CData_All saved;
    CQ410CfDoc doc{data, saved, TestIdentity()};
    TempDir dir;
    std::string error;
};

const char kNewDocumentStart[] =
    "[Basic]\r\nPhoneType=QL410\r\nDialFilterUse=NON\r\nSilence=OFF\r\nQuitTone=ON\r\nLcrMode=NEXT_CARRIER\r\n"
    "Vers=1100\r\nSwVers=\r\nDialPre=\r\nDialPreInt=\r\nPayMult=0,12\r\nPayStr= DM\r\nParkCode=55\r\n"
    "PabxType=0\r\nDialLen=3\r\nLoudBox=3\r\nLoudHand=1\r\nLcrRepeat=4\r\nKnock=On\r\nLetterLarge=Off\r\n"
    "AutoExt=Off\r\nHeadSet=Off\r\nLcr=Off\r\nPabxAtLowPower=Off\r\nFreeSpeakSilence=Off\r\n"
    "[DialKey_1]\r\nKeyUse=DIAL\r\nDialKeyUse=MSN\r\nDialKeyMsn=\r\nLineKeyMsn=\r\nExtKeyChannel=11\r\n"
    "MsnKeyMsn=\r\nVariantKeyMsnTeam=00\r\nLogOutKeyMsnTeam=00\r\nAnnounceKeyMsnInt=\r\nIntercomKeyMsnInt=\r\n"
    "ChefKeyMsnInt=\r\nSecKeyMsnInt=\r\nMsnKeyMsnId=0\r\n[DialKey_2]\r\n";

bool HasLines(const std::string& text, const std::string& lines)
{
    return text.find(lines) != std::string::npos;
}

} // namespace

TEST_F(DocumentFile, NewDocumentIsWrittenInTheKnownLayout)
{
    CQ410CfDoc full(data, saved, TestIdentity({.phonebookPart = "1"}));
    ASSERT_TRUE(full.OnNewDocument());
    EXPECT_EQ(full.Title(), "Neu");
    const std::string path = dir.File("neu.mv8");
    ASSERT_TRUE(full.OnSaveDocument(path, error)) << error;
    const std::string text = ReadFileBytes(path);
    EXPECT_EQ(text.substr(0, sizeof kNewDocumentStart - 1), kNewDocumentStart);
    EXPECT_TRUE(HasLines(text, "[DialKey_9]\r\nKeyUse=DIAL\r\nDialKeyUse=DTMF\r\nDialKeyMsn=2580*\r\n"));
    EXPECT_TRUE(HasLines(text, "[MsnPara_1]\r\nLoud=3\r\nMelody=0\r\nPayCounter=0\r\nMsn=\r\nTxt=Msn-1\r\n"
                               "MsnAws=\r\n[MsnPara_2]\r\n"));
    EXPECT_TRUE(HasLines(text, "[DialName_1]\r\nLoud=3\r\nMelodyExt=0\r\nName=Nachricht abh\xF6ren\r\nMsn=2580*\r\n"));
    EXPECT_TRUE(HasLines(text, std::string("[DialName_4]\r\nLoud=3\r\nMelodyExt=0\r\nName=Voxbox anw\xE4hlen\r\nMsn=") +
                                   kVoiceMailAccessNumber + "\r\n"));
    EXPECT_TRUE(HasLines(text, "[DialFilter_13]\r\nMsn=\r\n[MsnPara_1]"));
    EXPECT_TRUE(text.ends_with("[DialName_200]\r\nLoud=3\r\nMelodyExt=0\r\nName=\r\nMsn=\r\n"));

    ASSERT_TRUE(full.OnSaveDocument(path, error));
    EXPECT_EQ(ReadFileBytes(path), text);
}

TEST_F(DocumentFile, SavingKeepsWhatTheProgramDoesNotWrite)
{
    const std::string path = dir.File("alt.mv8");
    WriteFileBytes(path, "[Foo]\r\nBar=1\r\n[DialKey_1]\r\nUse=DTMF\r\nMsn=0301234\r\n"
                         "[DialName_1]\r\nName=Anna\r\nMsn=111\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error)) << error;
    EXPECT_EQ(data.cfg.dialKey[0].DialKeyUse, 1);
    EXPECT_EQ(data.cfg.dialKey[0].DialKeyMsn, "0301234");
    EXPECT_EQ(data.GetDialNameName(0), ""); // phone book switched off
    ASSERT_TRUE(doc.OnSaveDocument(path, error)) << error;
    const std::string text = ReadFileBytes(path);
    EXPECT_TRUE(text.starts_with("[Foo]\r\nBar=1\r\n[DialKey_1]\r\nUse=DTMF\r\nMsn=0301234\r\nKeyUse=DIAL\r\n"
                                 "DialKeyUse=DTMF\r\nDialKeyMsn=0301234\r\n"));
    EXPECT_TRUE(HasLines(text, "[DialName_1]\r\nName=Anna\r\nMsn=111\r\n[Basic]\r\n"));
}

// Under a new name, every section of the document's file that the program
// does not write (the phone book while it is off, other programs' sections)
// follows the program's own. What another existing file held is not kept.
TEST_F(DocumentFile, SaveUnderANewNameCarriesTheSectionsTheProgramDoesNotWrite)
{
    const std::string origin = dir.File("alt.mv8");
    WriteFileBytes(origin, "[Foo]\r\nBar=1\r\n[DialName_1]\r\nName=Anna\r\nMsn=111\r\n"
                           "[DialKey_1]\r\nUse=DTMF\r\n[foo]\r\nBaz=2\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(origin, error)) << error;
    const std::string copy = dir.File("kopie.mv8");
    ASSERT_TRUE(doc.OnSaveDocument(copy, error)) << error;
    const std::string text = ReadFileBytes(copy);
    EXPECT_TRUE(text.starts_with("[Basic]\r\n"));
    EXPECT_TRUE(text.ends_with("MsnAws=\r\n[Foo]\r\nBar=1\r\n[DialName_1]\r\nName=Anna\r\nMsn=111\r\n"
                               "[foo]\r\nBaz=2\r\n")) << text;
    EXPECT_EQ(text.find("\nUse=DTMF"), std::string::npos); // its own sections are written anew

    // What another file held never mixes in: the result is that of a new name.
    const std::string existing = dir.File("da.mv8");
    WriteFileBytes(existing, "[X]\r\ny=1\r\n[DialName_2]\r\nName=Fremd\r\n");
    ASSERT_TRUE(doc.OnSaveDocument(existing, error)) << error;
    EXPECT_EQ(ReadFileBytes(existing), text);
}

// The older key stays in the file; a number emptied since (by the user or by
// the filter) must not be read from it again after saving.
TEST_F(DocumentFile, EmptiedKeyNumberDoesNotComeBackFromTheOlderKey)
{
    const std::string path = dir.File("alt.mv8");
    WriteFileBytes(path, "[DialKey_1]\r\nUse=DTMF\r\nMsn=0301234\r\n"
                         "[DialKey_2]\r\nDialKeyMsn=)\r\nMsn=2\r\n[DialKey_3]\r\nMsn=333\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error)) << error;
    EXPECT_EQ(data.cfg.dialKey[0].DialKeyMsn, "0301234");
    EXPECT_EQ(data.cfg.dialKey[1].DialKeyMsn, "");
    data.cfg.dialKey[0].DialKeyMsn.clear();
    ASSERT_TRUE(doc.OnSaveDocument(path, error)) << error;
    const std::string text = ReadFileBytes(path);
    EXPECT_TRUE(text.starts_with("[DialKey_1]\r\nUse=DTMF\r\nMsn=\r\nKeyUse=DIAL\r\nDialKeyUse=DTMF\r\n"
                                 "DialKeyMsn=\r\n"));
    EXPECT_TRUE(HasLines(text, "[DialKey_3]\r\nMsn=333\r\nKeyUse=DIAL\r\nDialKeyUse=MSN\r\nDialKeyMsn=333\r\n"));

    CData_All reread;
    CData_All rereadSaved;
    CQ410CfDoc again(reread, rereadSaved, TestIdentity());
    ASSERT_TRUE(again.OnOpenDocument(path, error)) << error;
    EXPECT_EQ(reread.cfg.dialKey[0].DialKeyMsn, "");
    EXPECT_EQ(reread.cfg.dialKey[0].DialKeyUse, 1);
    EXPECT_EQ(reread.cfg.dialKey[1].DialKeyMsn, "");
    EXPECT_EQ(reread.cfg.dialKey[2].DialKeyMsn, "333");
    EXPECT_TRUE(reread == data);
}

TEST_F(DocumentFile, OpeningRepairsMissingValuesAndTraces)
{
    TraceCapture trace;
    const std::string path = dir.File("kurz.mv8");
    WriteFileBytes(path, "[basic]\nphonetype=Q410\nPayStr= EUR\n[DIALKEY_5]\nKeyUse=CHEF\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error)) << error;
    EXPECT_EQ(data.cfg.basic.PhoneType, 0);
    EXPECT_EQ(data.cfg.basic.Vers, 1000);
    EXPECT_EQ(data.cfg.basic.PayStr, " EUR");
    EXPECT_EQ(data.cfg.dialKey[4].KeyUse, KEYUSE_CHEF); // the switches were computed for the MV850
    EXPECT_TRUE(trace.Contains("CData: StrToInt() Invalid range!"));
    EXPECT_TRUE(trace.Contains("Doc: OnOpenDocument(" + path + ")"));
    EXPECT_EQ(saved, data);
    EXPECT_EQ(doc.Title(), "kurz.mv8");
}

// What was open before, its phone type or its hidden phone book, is no part
// of the document opened next.
TEST_F(DocumentFile, OpeningGivesTheSameDocumentWhateverWasOpenBefore)
{
    const std::string deluxe = dir.File("ql410.mv8");
    const std::string basic = dir.File("q410.mv8");
    WriteFileBytes(deluxe, "[Basic]\r\nPhoneType=QL410\r\n[DialKey_3]\r\nKeyUse=LINE\r\nLineKeyMsn=12\r\n");
    WriteFileBytes(basic, "[Basic]\r\nPhoneType=Q410\r\n[DialName_1]\r\nName=Anna\r\nMsn=1\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(deluxe, error)) << error;
    const CData_All first = data;
    EXPECT_EQ(first.cfg.dialKey[2].KeyUse, KEYUSE_LINE);
    for (const std::string& before : {std::string(), basic, deluxe}) {
        SCOPED_TRACE(before);
        if (before.empty())
            doc.OnNewDocument();
        else
            ASSERT_TRUE(doc.OnOpenDocument(before, error)) << error;
        data.dialName.entry[5].Name = "aus dem vorigen";
        ASSERT_TRUE(doc.OnOpenDocument(deluxe, error)) << error;
        EXPECT_EQ(data, first);
        EXPECT_EQ(saved, data);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.Switches().props, doc.NewDocumentSwitches().props);
    }
}

TEST_F(DocumentFile, FailedOpenChangesNothing)
{
    doc.OnNewDocument();
    data.cfg.basic.LoudBox = 6;
    const CData_All before = data;
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("fehlt.mv8"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(doc.OnOpenDocument(dir.Path(), error)); // a folder
    EXPECT_EQ(data, before);
    EXPECT_NE(saved, data);
    EXPECT_EQ(doc.PathName(), "");
}

TEST_F(DocumentFile, FailedSaveKeepsTheSavedCopyAndTheFile)
{
    doc.OnNewDocument();
    data.cfg.basic.LoudBox = 6;
    const std::string blocker = dir.File("datei");
    WriteFileBytes(blocker, "kein Ordner");
    EXPECT_FALSE(doc.OnSaveDocument(blocker + "/neu.mv8", error));
    EXPECT_NE(error.find("neu.mv8"), std::string::npos) << error;
    EXPECT_NE(saved, data);
    EXPECT_EQ(ReadFileBytes(blocker), "kein Ordner");
}

TEST_F(DocumentFile, SaveModifiedAsksOnlyWhenTheDataDiffer)
{
    int asked = 0;
    CQ410CfDoc::Answer answer = CQ410CfDoc::Answer::Cancel;
    doc.askSaveChanges = [&](const std::string& title) {
        EXPECT_EQ(title, "Neu");
        ++asked;
        return answer;
    };
    doc.OnNewDocument();
    EXPECT_TRUE(doc.SaveModified());
    data.cfg.basic.LoudBox = 6;
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    answer = CQ410CfDoc::Answer::No;
    EXPECT_TRUE(doc.SaveModified());
    data.cfg.basic.LoudBox = 3;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(asked, 2);
}

TEST_F(DocumentFile, SaveModifiedSavesOnYes)
{
    const std::string path = dir.File("ja.mv8");
    WriteFileBytes(path, "[Basic]\r\nDialPre=\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error));
    doc.askSaveChanges = [](const std::string&) { return CQ410CfDoc::Answer::Yes; };
    data.cfg.basic.DialPre = "0";
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(saved, data);
    EXPECT_TRUE(HasLines(ReadFileBytes(path), "DialPre=0\r\n"));
}

TEST_F(DocumentFile, OnlyAFileWithARecordSectionOpensAndTellsWhichHalvesItHolds)
{
    const std::string path = dir.File("x.mv8");
    data.cfg.basic.LoudBox = 5;
    for (const std::string& bytes : {std::string(), std::string("\x7F" "ELF\x02\x01", 6), std::string("[Foo]\r\nBasic=1\r\n")}) {
        WriteFileBytes(path, bytes);
        EXPECT_FALSE(doc.OnOpenDocument(path, error));
        EXPECT_NE(error.find("ist kein mvconf-Dokument"), std::string::npos) << error;
        EXPECT_FALSE(doc.OnOpenAsUntitled(path, error));
        EXPECT_EQ(data.cfg.basic.LoudBox, 5);
    }
    WriteFileBytes(path, "[basic]\r\nLoudBox=\r\n[DialName_7]\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path, error)) << error;
    EXPECT_FALSE(doc.PartsInFile().configuration); // a [Basic] without values holds nothing
    EXPECT_TRUE(doc.PartsInFile().phoneBook);
    ASSERT_TRUE(doc.OnSaveDocument(path, error));
    EXPECT_TRUE(doc.PartsInFile().configuration && doc.PartsInFile().phoneBook);
}
