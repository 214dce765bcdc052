// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "ProfileFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const CData_All& data, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(data.GetDialNameName(i));
    return names;
}

} // namespace

TEST(DocumentData, ValidateLowersKeyUsesTheTelephoneLacks)
{
    const CDerivat basicModel = TestSwitches({.phoneType = 0});
    CData_All data;
    data.cfg.dialKey[4].KeyUse = KEYUSE_CHEF;
    data.cfg.dialKey[4].ChefKeyMsnInt = "12";
    data.cfg.dialKey[5].KeyUse = KEYUSE_MSN;
    data.cfg.dialKey[6].KeyUse = 40;
    data.cfg.basic.Silence = 2;
    data.Validate(basicModel);
    EXPECT_EQ(data.cfg.dialKey[4].KeyUse, KEYUSE_DIAL);
    EXPECT_EQ(data.cfg.dialKey[4].ChefKeyMsnInt, "12");
    EXPECT_EQ(data.cfg.dialKey[5].KeyUse, KEYUSE_MSN);
    EXPECT_EQ(data.cfg.dialKey[6].KeyUse, KEYUSE_DIAL);
    EXPECT_EQ(data.cfg.basic.Silence, 2); // version 3.20 knows the notice choice
}

TEST(DocumentData, ValidateFollowsTheVersionAndTheSwitches)
{
    const CDerivat old = TestSwitches({.firmware = "V1.50", .configPart = "0", .phonebookPart = "1"});
    CData_All data;
    data.cfg.basic.Silence = 2;
    data.cfg.dialKey[0].KeyUse = KEYUSE_SEC;
    data.dialName.entry[3].MelodyExt = 5;
    data.dialName.entry[3].Loud = 6;
    data.Validate(old);
    EXPECT_EQ(data.cfg.basic.Silence, 0);               // applies even with the configuration off
    EXPECT_EQ(data.cfg.dialKey[0].KeyUse, KEYUSE_SEC);  // keys are checked only with it on
    EXPECT_EQ(data.dialName.entry[3].MelodyExt, 0);
    EXPECT_EQ(data.dialName.entry[3].Loud, 3);
}

TEST(DocumentData, SortIsAlphabeticalStableAndKeepsRecordNumbers)
{
    CData_AllDialName book;
    const char* names[] = {"bob", "Anna", "", "alf", "\xE4rger", "zoe", "Bob"};
    for (int i = 0; i < 7; ++i)
        book.entry[i].Name = names[i];
    book.entry[2].Msn = "0301234"; // a number without a name counts as unnamed
    book.entry[0].Loud = 5;
    book.Sort();
    const std::vector<std::string> sorted = {"alf", "Anna", "bob", "Bob", "zoe", "\xE4rger", ""};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(book.entry[i].Name, sorted[i]) << i;
    EXPECT_EQ(book.entry[2].Loud, 5);
    EXPECT_EQ(book.entry[6].Msn, "0301234");
    EXPECT_EQ(book.entry[0].SectionName(), "DialName_1");
    EXPECT_EQ(book.entry[0].Index(), 1);
}

TEST(DocumentData, ResetsGiveFreshHalves)
{
    CData_All data;
    data.SetDialNameName(10, "Anna");
    data.cfg.basic.LoudBox = 6;
    data.ResetDialName();
    EXPECT_EQ(data.dialName, CData_AllDialName());
    EXPECT_EQ(data.cfg.basic.LoudBox, 6);
    data.ResetCfg();
    EXPECT_EQ(data, CData_All());
}

TEST(DocumentData, CountryDefaultsPresetTheVoiceMailKeysAndEntries)
{
    const CDerivat switches = TestSwitches({.phonebookPart = "1"});
    CData_All data;
    EXPECT_TRUE(data.SetCountryDefaults(switches));
    const auto& keys = data.cfg.dialKey;
    EXPECT_EQ(keys[7].DialKeyMsn, kVoiceMailAccessNumber);
    EXPECT_EQ(keys[7].DialKeyUse, 0);
    EXPECT_EQ(keys[8].DialKeyUse, 1);
    EXPECT_EQ(keys[8].DialKeyMsn, "2580*");
    EXPECT_EQ(keys[10].DialKeyMsn, "3");
    EXPECT_EQ(data.GetDialNameName(1), "Nachricht abh\xF6ren");
    EXPECT_EQ(data.GetDialNameMsn(3), "3");
    EXPECT_EQ(data.GetDialNameName(4), "");

    const CDerivat abroad = TestSwitches({.country = "AUSTRIA", .phonebookPart = "1"});
    CData_All other;
    EXPECT_FALSE(other.SetCountryDefaults(abroad));
    EXPECT_EQ(other, CData_All());
}

TEST(DocumentData, PhoneBookSwitchedOffIsNeitherSortedNorMovedButCompared)
{
    const CDerivat switches = TestSwitches();
    CData_All data;
    data.SetDialNameName(0, "zoe");
    data.SetDialNameName(1, "anna");
    CProfileFile file;
    data.MoveFile(file, true, switches);
    EXPECT_EQ(Names(data, 2), (std::vector<std::string>{"zoe", "anna"}));
    EXPECT_EQ(file.GetString("DialName_1", "Name"), "");
    EXPECT_EQ(file.GetString("Basic", "PhoneType"), "QL410");

    CData_All other = data;
    EXPECT_EQ(other, data);
    other.SetDialNameName(0, "Zoe");
    EXPECT_NE(other, data);
}

TEST(DocumentData, ComparisonTracesBothOperators)
{
    TraceCapture trace;
    CData_All a, b;
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(trace.Contains("CData_All: operator!=()"));
    EXPECT_TRUE(trace.Contains("CData_All: operator==()"));
}
