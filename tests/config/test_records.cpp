// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

CProfileFile ProfileOf(std::string_view text)
{
    CProfileFile file;
    file.Parse(text);
    return file;
}

} // namespace

TEST(Records, NumberingSetsSectionNamesAndOwnNumberDefaults)
{
    CData_AllCfg cfg;
    EXPECT_EQ(cfg.basic.SectionName(), "Basic");
    EXPECT_EQ(cfg.dialKey[2].SectionName(), "DialKey_3");
    EXPECT_EQ(cfg.dialIndex[0].SectionName(), "DialIndex_0");
    EXPECT_EQ(cfg.dialFilter[13].SectionName(), "DialFilter_13");
    EXPECT_EQ(cfg.msnPara[3].SectionName(), "MsnPara_4");
    EXPECT_EQ(cfg.msnPara[3].Txt, "Msn-4");
    EXPECT_EQ(cfg.msnPara[3].Melody, 3);
    EXPECT_EQ(CData_AllDialName().entry[199].SectionName(), "DialName_200");
}

TEST(Records, ColumnTexts)
{
    CData_AllCfg cfg;
    EXPECT_EQ(cfg.dialIndex[4].GetColumnText(0), "k4");
    EXPECT_EQ(cfg.dialFilter[3].GetColumnText(0), "Sperr-Nr. 3");
    EXPECT_EQ(cfg.dialFilter[9].GetColumnText(0), "Frei-Nr. 2");
    EXPECT_EQ(cfg.dialFilter[9].GetColumnText(2), "Inf 2");
    EXPECT_EQ(cfg.dialKey[13].GetColumnText(0), "7a");
    EXPECT_EQ(cfg.dialKey[7].GetColumnText(0), "1a");
    EXPECT_EQ(cfg.dialKey[6].GetColumnText(0), "7");

    CData_MsnPara& msn = cfg.msnPara[0];
    msn.PayCounter = 17;
    EXPECT_EQ(msn.GetColumnText(6), "        17");
    EXPECT_EQ(msn.GetColumnText(4), "1");
    msn.PayCounter = 4294967295u;
    EXPECT_EQ(msn.GetColumnText(6), "        -1");

    CData_DialName name;
    EXPECT_EQ(name.GetColumnText(3), "Std");
    name.MelodyExt = 1;
    EXPECT_EQ(name.GetColumnText(3), "So");
    name.MelodyExt = 11;
    EXPECT_EQ(name.GetColumnText(3), "10");
}

TEST(Records, DialKeyUseAndNumberTexts)
{
    CData_DialKey key;
    key.SetIndex(1);
    key.DialKeyUse = 1;
    key.DialKeyMsn = "0301234";
    EXPECT_EQ(key.GetColumnText(1), "Zielwahltaste MFV");
    EXPECT_EQ(key.GetColumnText(2), "0301234");
    key.DialKeyUse = 3;
    EXPECT_EQ(key.GetColumnText(1), "Inf 1");
    key.KeyUse = KEYUSE_MSN;
    key.MsnKeyMsnId = 2;
    EXPECT_EQ(key.GetColumnText(1), "MSN-Belegung 2");
    key.KeyUse = KEYUSE_VARIANT_TEAM;
    key.VariantKeyMsnTeam = "";
    EXPECT_EQ(key.GetColumnText(2), "Alle");
    key.VariantKeyMsnTeam = "07";
    EXPECT_EQ(key.GetColumnText(2), "07");
    key.KeyUse = KEYUSE_ANNOUNCE_LOOK;
    EXPECT_EQ(key.GetColumnText(2), "ein/aus");
    key.KeyUse = 13;
    EXPECT_EQ(key.GetColumnText(1), "Inf 1");
    EXPECT_EQ(key.GetColumnText(2), "");
}

TEST(Records, DialKeyReadsTheKeysOfOlderFiles)
{
    const CDerivat switches = TestSwitches();
    CProfileFile file = ProfileOf("[DialKey_2]\nKeyUse=DIALKEY\nUse=DTMF\nMsn=0301234\n"
                                  "[DialKey_3]\nUse=KEYPAD\nDialKeyMsn=55\nMsn=66\n");
    CData_AllCfg cfg;
    cfg.dialKey[1].MoveFile(file, false, switches.Rules());
    EXPECT_EQ(cfg.dialKey[1].KeyUse, KEYUSE_DIAL);
    EXPECT_EQ(cfg.dialKey[1].DialKeyUse, 1);
    EXPECT_EQ(cfg.dialKey[1].DialKeyMsn, "0301234");
    cfg.dialKey[2].MoveFile(file, false, switches.Rules());
    EXPECT_EQ(cfg.dialKey[2].DialKeyUse, 2);
    EXPECT_EQ(cfg.dialKey[2].DialKeyMsn, "55");

    cfg.dialKey[1].MoveFile(file, true, switches.Rules()); // writes only the new keys
    EXPECT_EQ(file.GetString("DialKey_2", "KeyUse"), "DIAL");
    EXPECT_EQ(file.GetString("DialKey_2", "DialKeyUse"), "DTMF");
    EXPECT_EQ(file.GetString("DialKey_2", "Use"), "DTMF");
}

TEST(Records, MissingBasicSectionReadsAsWhatTheCodecsMakeOfNothing)
{
    const CDerivat switches = TestSwitches();
    TraceCapture trace;
    CProfileFile empty;
    CData_Basic basic;
    basic.MoveFile(empty, false, switches.Rules());
    EXPECT_EQ(basic.Vers, 1000);
    EXPECT_EQ(basic.PhoneType, 1);
    EXPECT_EQ(basic.QuitTone, 0);
    EXPECT_EQ(basic.LcrMode, 0);
    EXPECT_EQ(basic.Knock, 0);
    EXPECT_EQ(basic.LoudBox, 0);
    EXPECT_EQ(basic.PayStr, "");
    EXPECT_EQ(basic.ParkCode, "");
    EXPECT_TRUE(trace.Contains("CData: StrToInt() Invalid range!"));
}

TEST(Records, WritingRepairsAndReadingBackGivesTheSameRecord)
{
    const CDerivat switches = TestSwitches();
    CProfileFile file;
    CData_MsnPara msn;
    msn.SetIndex(2);
    msn.Loud = 9;
    msn.PayCounter = 3000000000u;
    msn.Msn = "0301234";
    msn.MoveFile(file, true, switches.Rules());
    EXPECT_EQ(msn.Loud, 0);
    EXPECT_EQ(file.GetString("MsnPara_2", "PayCounter"), "-1294967296");

    CData_MsnPara back;
    back.SetIndex(2);
    back.MoveFile(file, false, switches.Rules());
    EXPECT_EQ(back, msn);
}

TEST(Records, EqualityIsExactAndIncludesTheNumber)
{
    CData_DialName a, b;
    a.SetIndex(1);
    b.SetIndex(1);
    a.Name = "Anna";
    b.Name = "anna";
    EXPECT_NE(a, b);
    b.Name = "Anna";
    EXPECT_EQ(a, b);
    b.SetIndex(2);
    EXPECT_NE(a, b);
}
