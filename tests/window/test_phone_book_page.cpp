// SPDX-License-Identifier: GPL-3.0-or-later
// The "Telefonbuch" page and its entry editor: name and number belong
// together, OK changes one entry at once and sorts the phone book.
#include "CData_All.h"
#include "CDlgE_DialName.h"
#include "CListCtrl_RepBar.h"
#include "CPpS_DialName.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"
#include "ModalDialogDriver.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Shown {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

} // namespace

class PhoneBookPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetBeepHookForTesting([this] { ++beeps; });
        SetMessageHookForTesting([this](QMessageBox::Icon icon, const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages.push_back({icon, caption, text});
            return QMessageBox::Ok;
        });
        const char* names[] = {"Anna", "bob", "Carl"};
        for (int pos = 0; pos < 3; ++pos) {
            data.SetDialNameName(pos, names[pos]);
            data.SetDialNameMsn(pos, std::to_string(100 + pos));
        }
        page.resize(700, 500);
        page.LoadFromData();
    }
    void TearDown() override
    {
        SetBeepHookForTesting({});
        SetMessageHookForTesting({});
    }

    // Opens the editor on row as a double click does and lets act run it.
    void Edit(int row, std::function<void(CDlgE_DialName&)> act)
    {
        page.List()->SelectRow(row);
        WhenModalShown<CDlgE_DialName>(std::move(act));
        emit page.List()->rowActivated(page.List()->SelectedRow());
    }

    TestDocument document{{.firmware = "V3.20", .phonebookPart = "1"}};
    CData_All& data = document.data;
    CPpS_DialName page{document.doc};
    int beeps = 0;
    std::vector<Shown> messages;
};

TEST_F(PhoneBookPage, ListShowsAllEntries)
{
    CListCtrl_RepBar* list = page.List();
    EXPECT_EQ(list->topLevelItemCount(), 200);
    EXPECT_EQ(list->ItemText(1, 0), QStringLiteral("  bob"));
    EXPECT_EQ(list->ItemText(1, 1), QStringLiteral("  101"));
    EXPECT_EQ(list->ItemText(1, 2), QStringLiteral("  3"));
    EXPECT_EQ(list->ItemText(1, 3), QStringLiteral("  Std"));
    EXPECT_EQ(list->ItemText(199, 0), QStringLiteral("  "));
}

TEST_F(PhoneBookPage, NameAndNumberMustBeBothFilledOrBothEmpty)
{
    bool stayedOpen = false;
    Edit(1, [&](CDlgE_DialName& editor) {
        editor.NameEdit()->clear();
        editor.accept();
        stayedOpen = editor.isVisible() && editor.result() != QDialog::Accepted;
        editor.NameEdit()->setText(QStringLiteral("Bob"));
        editor.NumberEdit()->clear();
        editor.accept();
        stayedOpen = stayedOpen && editor.isVisible() && editor.focusWidget() == editor.NameEdit();
        editor.reject();
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Telefonbuch Eintrag bearbeiten"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Die Felder Name und Rufnummer müssen beide leer oder gefüllt sein!"));
    EXPECT_EQ(data.GetDialNameName(1), "bob");

    // Both empty is accepted and empties the entry; it then sorts last.
    Edit(0, [](CDlgE_DialName& editor) {
        editor.NameEdit()->clear();
        editor.NumberEdit()->clear();
        editor.accept();
    });
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(data.GetDialNameName(0), "bob");
    EXPECT_EQ(data.GetDialNameName(1), "Carl");
    EXPECT_TRUE(data.dialName.entry[2].IsEmpty());
}

TEST_F(PhoneBookPage, OkChangesOneEntryAndSortsIt)
{
    CData_All expected = data;
    Edit(2, [](CDlgE_DialName& editor) {
        editor.NameEdit()->setText(QStringLiteral("Aaron"));
        editor.NumberEdit()->setText(QStringLiteral("0301234"));
        editor.Volume()->setValue(5);
        editor.Melody()->setCurrentIndex(4);
        editor.accept();
    });
    // Carl became Aaron and moved to the top; the others moved down one row.
    CData_DialName& carl = expected.dialName.entry[2];
    carl.Name = "Aaron";
    carl.Msn = "0301234";
    carl.Loud = 5;
    carl.MelodyExt = 4;
    expected.dialName.Sort();
    EXPECT_EQ(data, expected);
    EXPECT_EQ(data.GetDialNameName(0), "Aaron");
    EXPECT_EQ(page.List()->ItemText(0, 0), QStringLiteral("  Aaron"));
    EXPECT_EQ(page.List()->ItemText(0, 3), QStringLiteral("  3"));
    EXPECT_EQ(page.List()->ItemText(1, 0), QStringLiteral("  Anna"));

    const CData_All before = data;
    Edit(1, [](CDlgE_DialName& editor) {
        editor.NameEdit()->setText(QStringLiteral("Zora"));
        editor.reject();
    });
    EXPECT_EQ(data, before);
}

TEST_F(PhoneBookPage, DoubleClickWithoutSelectionOnlyBeeps)
{
    const CData_All before = data;
    emit page.List()->rowActivated(-1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(data, before);
}

TEST(PhoneBookEditor, VolumeAndMelodyOnlyWhereTheTelephoneHasThem)
{
    CData_DialName entry;
    entry.Loud = 2;
    entry.MelodyExt = 11;
    {
        const CDerivat identity = TestSwitches({.firmware = "V2.00", .phonebookPart = "1"});
        CDlgE_DialName editor(entry, identity);
        EXPECT_TRUE(editor.Volume()->isEnabled());
        EXPECT_TRUE(editor.Melody()->isEnabled());
        EXPECT_EQ(editor.Volume()->value(), 2);
        EXPECT_EQ(editor.Melody()->currentText(), QStringLiteral("Melodie 10"));
        EXPECT_EQ(editor.Volume()->maximum(), 6);
    }
    const CDerivat identity = TestSwitches({.firmware = "V1.10", .phonebookPart = "1"});
    CDlgE_DialName editor(entry, identity);
    EXPECT_FALSE(editor.Volume()->isEnabled());
    EXPECT_FALSE(editor.Melody()->isEnabled());
    CData_DialName stored = entry;
    editor.StoreTo(stored);
    EXPECT_EQ(stored, entry);
}
