// SPDX-License-Identifier: GPL-3.0-or-later
// The "Tasten" page and its key editor: which kinds a key may have, the
// choice lists, kind switching and what OK writes into the document.
#include "CData_All.h"
#include "CDlgE_DialKey.h"
#include "CListCtrl_RepBar.h"
#include "CPpS_DialKey.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"
#include "ModalDialogDriver.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> EnabledKinds(const CData_DialKey& key, const CDerivat& switches)
{
    CDlgE_DialKey editor(key, switches);
    std::set<int> kinds;
    for (int kind = 0; kind < CDlgE_DialKey::kKinds; ++kind)
        if (editor.KindButton(kind)->isEnabledTo(editor.KindGroup()))
            kinds.insert(kind);
    return kinds;
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

CData_DialKey& Key(CData_All& data, int number)
{
    return data.cfg.dialKey.at(static_cast<std::size_t>(number - 1));
}

const std::set<int> kAllKinds{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

} // namespace

TEST(KeyEditorKinds, FirstLevelKeysOfferEveryKindOfTheDeluxeModel)
{
    const CDerivat identity = TestSwitches({.firmware = "V3.20", .phoneType = 1});
    CData_All data;
    EXPECT_EQ(EnabledKinds(Key(data, 1), identity), kAllKinds);
    EXPECT_EQ(EnabledKinds(Key(data, 7), identity), kAllKinds);
    // Line, outside-line, chef and secretariat keys exist only on keys 1 to 7.
    const std::set<int> secondLevel{0, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(EnabledKinds(Key(data, 8), identity), secondLevel);
    EXPECT_EQ(EnabledKinds(Key(data, 14), identity), secondLevel);
}

TEST(KeyEditorKinds, KindsFollowPhoneTypeAndVersion)
{
    struct Case {
        const char* firmware;
        int phoneType;
        std::set<int> firstLevel;
    };
    const Case cases[] = {
        {"V3.20", 0, {0, 3}},
        {"V3.00", 0, {0, 3}},
        {"V2.00", 1, {0, 1, 2, 3}},
        {"V2.00", 0, {0, 3}},
        {"V1.10", 1, {0, 1, 2}},
        {"V1.10", 0, {0}},
        {"V1.00", 1, {0}},
        {"V3.00", 1, kAllKinds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.firmware) + " phone type " + std::to_string(c.phoneType));
        const CDerivat identity = TestSwitches({.firmware = c.firmware, .phoneType = c.phoneType});
        CData_All data;
        EXPECT_EQ(EnabledKinds(Key(data, 2), identity), c.firstLevel);
        CDlgE_DialKey editor(Key(data, 2), identity);
        // The kind group is only active when a kind besides DIAL exists; DIAL is always usable.
        EXPECT_EQ(editor.KindGroupActive(), c.firstLevel.size() > 1);
        EXPECT_TRUE(editor.KindButton(KEYUSE_DIAL)->isEnabled());
    }
}

// A key whose kind the telephone no longer offers can always be made a
// destination key again, also where that is the only kind.
TEST(KeyEditorKinds, DestinationKeyStaysUsableWhenItIsTheOnlyKind)
{
    const CDerivat identity = TestSwitches({.firmware = "V1.10", .phoneType = 1});
    CData_All data;
    CData_DialKey& key = Key(data, 9);
    key.KeyUse = KEYUSE_EXT;
    CDlgE_DialKey editor(key, identity);
    editor.show();
    EXPECT_FALSE(editor.KindGroupActive());
    EXPECT_FALSE(editor.KindButton(KEYUSE_EXT)->isEnabled());
    QAbstractButton* dial = editor.KindButton(KEYUSE_DIAL);
    QTest::mouseClick(dial, Qt::LeftButton, {}, QPoint(5, dial->height() / 2)); // on its circle
    EXPECT_TRUE(editor.ShownGroup()->isAncestorOf(editor.DialNumber()));
    editor.accept();
    editor.StoreTo(key);
    EXPECT_EQ(key.KeyUse, KEYUSE_DIAL);
}

TEST(KeyEditorChoices, ListsFollowTheDerivative)
{
    CData_All data;
    {
        const CDerivat identity = TestSwitches({.derivative = "VARONIK", .firmware = "V3.20"});
        CDlgE_DialKey editor(Key(data, 1), identity);
        const QStringList internal = Items(editor.IntercomNumber());
        ASSERT_EQ(internal.size(), 1 + 20 + 200);
        EXPECT_EQ(internal.first(), QString());
        EXPECT_EQ(internal.at(1), QStringLiteral("10"));
        EXPECT_EQ(internal.at(21), QStringLiteral("100"));
        EXPECT_EQ(internal.last(), QStringLiteral("299"));
        const QStringList line = Items(editor.LineNumber());
        EXPECT_EQ(line.at(1), QStringLiteral("9"));
        EXPECT_EQ(line.mid(2), internal.mid(1));
        const QStringList teams = Items(editor.VariantTeam());
        ASSERT_EQ(teams.size(), 22);
        EXPECT_EQ(teams.at(1), QStringLiteral("00"));
        EXPECT_EQ(teams.at(20), QStringLiteral("19"));
        EXPECT_EQ(teams.last(), QStringLiteral("Alle"));
        EXPECT_EQ(Items(editor.Channel()),
                  (QStringList{"", "11", "12", "21", "22", "31", "32"}));
    }
    {
        const CDerivat identity = TestSwitches({.derivative = "ZEFIR", .firmware = "V3.20"});
        CDlgE_DialKey editor(Key(data, 1), identity);
        const QStringList internal = Items(editor.ChefNumber());
        ASSERT_EQ(internal.size(), 101);
        EXPECT_EQ(internal.at(1), QStringLiteral("00"));
        EXPECT_EQ(internal.last(), QStringLiteral("99"));
        EXPECT_EQ(editor.LogoutTeam()->count(), 42);
        EXPECT_EQ(editor.Channel()->count(), 13);
        EXPECT_EQ(editor.Channel()->itemText(12), QStringLiteral("62"));
    }
}

TEST(KeyEditorChoices, StoredTextsAreSelectedExactlyAndKept)
{
    const CDerivat identity = TestSwitches({.derivative = "VARONIK", .firmware = "V3.20"});
    CData_All data;
    CData_DialKey& key = Key(data, 3);
    key.IntercomKeyMsnInt = "105";
    key.AnnounceKeyMsnInt = "1";   // not offered: a prefix of "10" to "19"
    key.VariantKeyMsnTeam = "35";  // a team of a derivative with 40 teams
    key.ExtKeyChannel = "22";
    key.MsnKeyMsnId = 4;
    CDlgE_DialKey editor(key, identity);
    EXPECT_EQ(editor.IntercomNumber()->currentText(), QStringLiteral("105"));
    EXPECT_EQ(editor.AnnounceNumber()->currentText(), QStringLiteral("1"));
    EXPECT_EQ(editor.VariantTeam()->currentText(), QStringLiteral("35"));
    EXPECT_EQ(editor.Channel()->currentText(), QStringLiteral("22"));
    EXPECT_EQ(editor.MsnChoice()->currentText(), QStringLiteral("Msn 4 "));

    const CData_DialKey before = key;
    editor.accept();
    editor.StoreTo(key);
    EXPECT_EQ(key, before);
}

TEST(KeyEditor, SwitchingKindsKeepsTypedNumbers)
{
    const CDerivat identity = TestSwitches({.firmware = "V3.20", .phoneType = 1});
    CData_All data;
    CDlgE_DialKey editor(Key(data, 2), identity);
    editor.show();
    ASSERT_TRUE(editor.KindButton(KEYUSE_DIAL)->isChecked());
    EXPECT_TRUE(editor.ShownGroup()->isAncestorOf(editor.DialNumber()));

    editor.DialNumber()->setFocus();
    QTest::keyClicks(editor.DialNumber(), "0301234");
    editor.KindButton(KEYUSE_LINE)->click();
    EXPECT_TRUE(editor.ShownGroup()->isAncestorOf(editor.LineNumber()));
    EXPECT_FALSE(editor.DialNumber()->isVisible());
    editor.LineNumber()->setCurrentText(QStringLiteral("9"));
    editor.KindButton(KEYUSE_DIAL)->click();
    EXPECT_TRUE(editor.DialNumber()->isVisible());
    EXPECT_EQ(editor.DialNumber()->text(), QStringLiteral("0301234"));
    editor.KindButton(KEYUSE_SEC)->click();
    EXPECT_TRUE(editor.ShownGroup()->isAncestorOf(editor.SecNumber()));
    editor.KindButton(KEYUSE_INTERCOM_LOOK)->click();
    EXPECT_EQ(editor.ShownGroup()->findChildren<QComboBox*>().size(), 0);

    editor.accept();
    CData_DialKey stored = Key(data, 2);
    editor.StoreTo(stored);
    // Every field is stored, whatever the kind.
    EXPECT_EQ(stored.KeyUse, KEYUSE_INTERCOM_LOOK);
    EXPECT_EQ(stored.DialKeyMsn, "0301234");
    EXPECT_EQ(stored.LineKeyMsn, "9");
}

TEST(KeyEditor, AllTeamsIsStoredAsEmptyTeam)
{
    const CDerivat identity = TestSwitches({.firmware = "V3.20", .phoneType = 1});
    CData_All data;
    CData_DialKey& key = Key(data, 5);
    key.KeyUse = KEYUSE_VARIANT_TEAM;
    {
        CDlgE_DialKey editor(key, identity);
        EXPECT_EQ(editor.VariantTeam()->currentText(), QStringLiteral("00"));
        editor.VariantTeam()->setCurrentText(QStringLiteral("Alle"));
        editor.LogoutTeam()->setCurrentText(QStringLiteral("07"));
        editor.accept();
        editor.StoreTo(key);
    }
    EXPECT_EQ(key.VariantKeyMsnTeam, "");
    EXPECT_EQ(key.LogOutKeyMsnTeam, "07");
    EXPECT_EQ(key.NumberText(), "Alle");

    CDlgE_DialKey reopened(key, identity);
    EXPECT_EQ(reopened.VariantTeam()->currentIndex(), 0);
    reopened.accept();
    EXPECT_EQ(reopened.VariantTeam()->currentText(), QStringLiteral("Alle"));
    reopened.StoreTo(key);
    EXPECT_EQ(key.VariantKeyMsnTeam, "");
}

class KeyPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetBeepHookForTesting([this] { ++beeps; });
        page.resize(700, 500);
        page.LoadFromData();
    }
    void TearDown() override { SetBeepHookForTesting({}); }

    TestDocument document{{.firmware = "V3.20", .phoneType = 1}};
    CData_All& data = document.data;
    CPpS_DialKey page{document.doc};
    int beeps = 0;
};

TEST_F(KeyPage, ListShowsTheFourteenKeys)
{
    CListCtrl_RepBar* list = page.List();
    EXPECT_EQ(list->topLevelItemCount(), 14);
    EXPECT_EQ(list->ItemText(0, 0), QStringLiteral("  1"));
    EXPECT_EQ(list->ItemText(13, 0), QStringLiteral("  7a"));
    EXPECT_EQ(list->ItemText(2, 1), QStringLiteral("  Zielwahltaste Nummer"));
}

TEST_F(KeyPage, DoubleClickWithoutSelectionOnlyBeeps)
{
    const CData_All before = data;
    emit page.List()->rowActivated(-1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(data, before);
}

TEST_F(KeyPage, OkChangesExactlyTheEditedKeyAtOnce)
{
    const CData_All before = data;
    page.List()->SelectRow(3);
    WhenModalShown<CDlgE_DialKey>([](CDlgE_DialKey& editor) {
        editor.KindButton(KEYUSE_MSN)->click();
        editor.MsnChoice()->setCurrentIndex(2);
        editor.PreCallNumber()->setText(QStringLiteral("0190"));
        editor.accept();
    });
    emit page.List()->rowActivated(page.List()->SelectedRow());

    CData_All expected = before;
    CData_DialKey& key = Key(expected, 4);
    key.KeyUse = KEYUSE_MSN;
    key.MsnKeyMsnId = 2;
    key.MsnKeyMsn = "0190";
    EXPECT_EQ(data, expected);
    EXPECT_EQ(page.List()->ItemText(3, 1), QStringLiteral("  MSN-Belegung 2"));
    EXPECT_EQ(page.List()->ItemText(3, 2), QStringLiteral("  0190"));

    WhenModalShown<CDlgE_DialKey>([](CDlgE_DialKey& editor) {
        editor.KindButton(KEYUSE_DIAL)->click();
        editor.reject();
    });
    emit page.List()->rowActivated(3);
    EXPECT_EQ(data, expected);
}
