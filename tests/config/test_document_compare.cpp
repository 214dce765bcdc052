// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_All.h"
#include "Derivat.h"
#include "DocumentCompare.h"
#include "DocumentVariants.h"
#include "ProfileFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

std::vector<FieldDifference> CompareVariants(const CDerivat& switches)
{
    CData_All first, second;
    FillDocumentVariant(first, 0);
    FillDocumentVariant(second, 1);
    return CompareDocuments(first, second, switches);
}

// How many keys a save writes under the switches.
std::size_t SavedKeys(const CDerivat& switches)
{
    CData_All data;
    CProfileFile file;
    data.MoveFile(file, true, switches);
    const std::string text = file.Serialize();
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '='));
}

} // namespace

TEST(DocumentCompare, EveryFieldTheFileHoldsIsListedOnceInPageOrderWithTheWindowsTexts)
{
    const CDerivat full = TestSwitches({.phonebookPart = "1"});
    const auto differences = CompareVariants(full);
    EXPECT_EQ(differences.size(), SavedKeys(full));

    std::set<std::tuple<std::string, std::string, std::string>> named;
    std::vector<std::string> pages, lines;
    for (const FieldDifference& d : differences) {
        EXPECT_TRUE(named.insert({d.page, d.entry, d.field}).second) << DifferenceLine(d);
        if (pages.empty() || pages.back() != d.page)
            pages.push_back(d.page);
        lines.push_back(DifferenceLine(d));
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"Allgemein", "Telefonanlage", "Rufnummern", "Kurzwahl", "Tasten",
                                               "Wahlkontrolle", "LCR", "Kosten", "Telefonbuch"}));
    EXPECT_EQ(lines.front(), "Allgemein: Lautsprecher Lautst\xE4rke: \"Stufe 1 von 6\" -> \"Stufe 2 von 6\"");
    for (const char* line : {
             "Allgemein: Wahlkontrolle: \"Aus, kein Sperr-/Freiwerk\" -> \"Sperr- und Freinummern\"",
             "Telefonanlage: Telefonanlagentyp: \"Orbis 60 (00)\" -> \"Orbis 50 / Orbis 30, Lumo 8 (01)\"",
             "Tasten: 1a: Tastenart: \"Zielwahltaste\" -> \"MSN-Belegung\"",
             "Tasten: 7: Nutzung (Zielwahltaste): \"Telefonnummer\" -> \"MFV-T\xF6ne\"",
             "Wahlkontrolle: Frei-Nr. 6: Rufnummer: \"01900\" -> \"01901\"",
             "Telefonbuch: Nr. 200: Melodie: \"Standard\" -> \"Sonderton\"",
         })
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

TEST(DocumentCompare, OnlyThePartsTheSwitchesHoldCount)
{
    EXPECT_EQ(CompareVariants(TestSwitches()).back().page, "Kosten"); // configuration only
    const CDerivat phoneBookOnly = TestSwitches({.configPart = "0", .phonebookPart = "1"});
    EXPECT_EQ(CompareVariants(phoneBookOnly).size(), SavedKeys(phoneBookOnly));
    EXPECT_EQ(CompareVariants(phoneBookOnly).front().page, "Telefonbuch");
    EXPECT_TRUE(CompareVariants(TestSwitches({.configPart = "0"})).empty());
}

TEST(DocumentCompare, DocumentsEqualAfterValidateCompareEqualAndStayAsTheyWere)
{
    const CDerivat older = TestSwitches({.firmware = "V1.50", .phonebookPart = "1"});
    CData_All first, second;
    FillDocumentVariant(first, 0);
    FillDocumentVariant(second, 0);
    // Kinds and choices the telephone lacks, and the phone book in another order.
    first.cfg.dialKey[4].KeyUse = KEYUSE_CHEF;
    first.cfg.basic.Silence = 2;
    first.dialName.entry[0].MelodyExt = 5;
    auto& entries = second.dialName.entry;
    std::reverse(entries.begin(), entries.end());
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].SetIndex(static_cast<int>(i) + 1);
    const CData_All before = first;

    EXPECT_TRUE(CompareDocuments(first, second, older).empty());
    EXPECT_TRUE(first == before);

    entries.back().Name = "Anna 0"; // was "Anna 001", and still sorts first
    const auto differences = CompareDocuments(first, second, older);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(DifferenceLine(differences[0]), "Telefonbuch: Nr. 1: Name: \"Anna 001\" -> \"Anna 0\"");
}
