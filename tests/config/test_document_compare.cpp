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

struct Pair {
    CData_All first, second;
    Pair()
    {
        FillDocumentVariant(first, 0);
        FillDocumentVariant(second, 1);
    }
    std::vector<FieldDifference> Compare() const { return CompareDocuments(first, second, Derivat()); }
};

// How many keys a save of data writes.
std::size_t SavedKeys(CData_All data)
{
    CProfileFile file;
    data.MoveFile(file, true);
    const std::string text = file.Serialize();
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '='));
}

bool HasLine(const std::vector<FieldDifference>& differences, const std::string& line)
{
    return std::any_of(differences.begin(), differences.end(),
                       [&](const FieldDifference& d) { return DifferenceLine(d) == line; });
}

} // namespace

TEST(DocumentCompare, EveryFieldTheFileHoldsIsListedOnceInPageOrderWithTheWindowsTexts)
{
    IdentityScope full({.phonebookPart = "1"});
    Pair pair;
    const auto differences = pair.Compare();
    EXPECT_EQ(differences.size(), SavedKeys(pair.first));

    std::set<std::tuple<std::string, std::string, std::string>> named;
    std::vector<std::string> pages;
    for (const FieldDifference& d : differences) {
        EXPECT_TRUE(named.insert({d.page, d.entry, d.field}).second) << DifferenceLine(d);
        if (pages.empty() || pages.back() != d.page)
            pages.push_back(d.page);
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"Allgemein", "Telefonanlage", "Rufnummern", "Kurzwahl", "Tasten",
                                               "Wahlkontrolle", "LCR", "Kosten", "Telefonbuch"}));
    EXPECT_EQ(DifferenceLine(differences.front()),
              "Allgemein: Lautsprecher Lautst\xE4rke: \"Stufe 1 von 6\" -> \"Stufe 2 von 6\"");
    for (const char* line : {
             "Allgemein: Telefon Typ: \"M850\" -> \"MV850\"",
             "Allgemein: Wahlkontrolle: \"Aus, kein Sperr-/Freiwerk\" -> \"Sperr- und Freinummern\"",
             "Allgemein: Anklopfen ein: \"Aus\" -> \"Ein\"",
             "Telefonanlage: Telefonanlagentyp: \"Orbis 60 (00)\" -> \"Orbis 50 / Orbis 30, Lumo 8 (01)\"",
             "Rufnummern: Nr. 6: Melodie: \"Melodie 3\" -> \"Melodie 4\"",
             "Kurzwahl: k9: Rufnummer: \"04010\" -> \"04011\"",
             "Tasten: 1a: Tastenart: \"Zielwahltaste\" -> \"MSN-Belegung\"",
             "Tasten: 7: Nutzung (Zielwahltaste): \"Telefonnummer\" -> \"MFV-T\xF6ne\"",
             "Tasten: 7a: MSN-Nr. (MSN-Belegung): \"Default\" -> \"Msn 1\"",
             "Wahlkontrolle: Frei-Nr. 6: Rufnummer: \"01900\" -> \"01901\"",
             "LCR: LCR Arbeitsweise bei Netzbetreiber besetzt: \"G\xFCnstigsten versuchen, bei Besetzt "
             "Standard-Netzbetreiber\" -> \"Bei Besetzt den n\xE4\x63hst teureren Netzbetreiber versuchen\"",
             "Kosten: Nr. 1: Kostenz\xE4hler: \"100\" -> \"101\"",
             "Telefonbuch: Nr. 200: Melodie: \"Standard\" -> \"Sonderton\"",
         })
        EXPECT_TRUE(HasLine(differences, line)) << line;
}

TEST(DocumentCompare, OnlyThePartsTheSwitchesHoldCount)
{
    Pair pair;
    {
        IdentityScope shipped; // configuration only
        const auto differences = pair.Compare();
        EXPECT_EQ(differences.size(), SavedKeys(pair.first));
        EXPECT_NE(differences.back().page, "Telefonbuch");
    }
    {
        IdentityScope phoneBookOnly({.configPart = "0", .phonebookPart = "1"});
        const auto differences = pair.Compare();
        EXPECT_EQ(differences.size(), 800u);
        EXPECT_EQ(differences.front().page, "Telefonbuch");
    }
    IdentityScope neither({.configPart = "0"});
    EXPECT_TRUE(pair.Compare().empty());
}

TEST(DocumentCompare, DocumentsEqualAfterValidateCompareEqualAndStayAsTheyWere)
{
    IdentityScope older({.firmware = "V1.50", .phonebookPart = "1"});
    CData_All first, second;
    FillDocumentVariant(first, 0);
    FillDocumentVariant(second, 0);
    // Kinds and choices the telephone lacks, and the phone book in another order.
    first.cfg.dialKey[4].KeyUse = KEYUSE_CHEF;
    first.cfg.basic.Silence = 2;
    first.dialName.entry[0].MelodyExt = 5;
    std::reverse(second.dialName.entry.begin(), second.dialName.entry.end());
    for (int i = 0; i < CData_AllDialName::kEntries; ++i)
        second.dialName.entry[static_cast<std::size_t>(i)].SetIndex(i + 1);
    const CData_All before = first;

    EXPECT_TRUE(CompareDocuments(first, second, Derivat()).empty());
    EXPECT_TRUE(first == before);

    second.dialName.entry[199].Name = "Anna 0"; // was "Anna 001", and still sorts first
    const auto differences = CompareDocuments(first, second, Derivat());
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(DifferenceLine(differences[0]), "Telefonbuch: Nr. 1: Name: \"Anna 001\" -> \"Anna 0\"");
}
