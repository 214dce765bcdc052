// SPDX-License-Identifier: GPL-3.0-or-later
// The list pages "Rufnummern", "Kurzwahl", "Wahlkontrolle" and "Kosten": what
// their rows show, editing one record through its dialog, and which lists the
// firmware version lets the user see.
#include "CDlgE_DialFilter.h"
#include "CDlgE_DialIndex.h"
#include "CDlgE_MsnPara.h"
#include "CData_All.h"
#include "CPpS_DialFilter.h"
#include "CPpS_DialIndex.h"
#include "CPpS_MsnPara.h"
#include "CPpS_PayCounter.h"
#include "EditDialogRun.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

class ListPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetBeepHookForTesting([this] { ++beeps; });
        SetMessageHookForTesting([this](QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
    }
    void TearDown() override
    {
        SetEditDialogHookForTesting({});
        SetMessageHookForTesting({});
        SetBeepHookForTesting({});
    }

    // The next edit dialogs are answered by act instead of the user.
    template <class Dialog>
    void AnswerDialogs(std::function<void(Dialog&)> act)
    {
        SetEditDialogHookForTesting([this, act](QDialog& dialog) {
            ++dialogs;
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            ASSERT_NE(typed, nullptr);
            act(*typed);
        });
    }

    template <class Page>
    void Show(Page& page)
    {
        page.resize(640, 420);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        page.LoadFromData();
    }

    static void DoubleClickRow(CListCtrl_RepBar& list, int row)
    {
        const QRect rect = list.visualItemRect(list.topLevelItem(row));
        ASSERT_TRUE(rect.isValid());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    static void ActivateWithoutSelection(CListCtrl_RepBar& list)
    {
        list.setFocus(); // which chooses a row
        list.clearSelection();
        QTest::keyClick(&list, Qt::Key_Return);
    }

    static void Retype(QLineEdit& edit, const QString& text)
    {
        edit.clear();
        QTest::keyClicks(&edit, text);
    }

    TestDocument document; // the shipped derivative
    CData_All& data = document.data;
    int beeps = 0;
    int dialogs = 0;
    QStringList messages;
};

} // namespace

TEST_F(ListPages, NumbersPageShowsEachOwnNumberTwoBlanksIn)
{
    data.cfg.msnPara[1].Msn = "4711";
    CPpS_MsnPara page(document.doc);
    Show(page);
    CListCtrl_RepBar& list = *page.List();

    ASSERT_EQ(list.topLevelItemCount(), 6);
    EXPECT_EQ(list.pos(), QPoint(20, 20));
    EXPECT_EQ(list.headerItem()->text(4), QStringLiteral("Mel."));
    EXPECT_EQ(list.ItemText(1, 0), QStringLiteral("  2"));
    EXPECT_EQ(list.ItemText(1, 1), QStringLiteral("  4711"));
    EXPECT_EQ(list.ItemText(1, 2), QStringLiteral("  Msn-2"));
    EXPECT_EQ(list.ItemText(1, 3), QStringLiteral("  3"));
    EXPECT_EQ(list.ItemText(5, 4), QStringLiteral("  6"));
}

TEST_F(ListPages, NumberDialogWithOkChangesOnlyThatNumberAtOnce)
{
    CPpS_MsnPara page(document.doc);
    Show(page);
    AnswerDialogs<CDlgE_MsnPara>([](CDlgE_MsnPara& dialog) {
        EXPECT_EQ(dialog.NrField()->text(), QStringLiteral("3"));
        EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Msn-3"));
        EXPECT_EQ(dialog.MelodyList()->currentIndex(), 2);
        EXPECT_EQ(dialog.MelodyList()->itemText(9), QStringLiteral("Melodie 10"));
        EXPECT_EQ(dialog.VolumeSlider()->maximum(), 6);
        Retype(*dialog.NumberEdit(), QStringLiteral("0301234"));
        dialog.NameEdit()->setText(QStringLiteral("Büro")); // umlauts cannot be typed through QTest
        Retype(*dialog.ForwardingEdit(), QStringLiteral("0897"));
        dialog.VolumeSlider()->setValue(6);
        dialog.MelodyList()->setCurrentIndex(9);
        dialog.accept();
    });
    CData_All expected = data;
    CData_MsnPara& msn = expected.cfg.msnPara[2];
    msn.Msn = "0301234";
    msn.Txt = "B\xFCro";
    msn.MsnAws = "0897";
    msn.Loud = 6;
    msn.Melody = 9;

    DoubleClickRow(*page.List(), 2);

    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(data == expected);
    EXPECT_EQ(page.List()->ItemText(2, 2), QStringLiteral("  Büro"));
    EXPECT_EQ(page.List()->ItemText(2, 4), QStringLiteral("  10"));
}

TEST_F(ListPages, CancelledDialogsChangeNothing)
{
    CPpS_MsnPara numbers(document.doc);
    Show(numbers);
    const CData_All before = data;
    AnswerDialogs<CDlgE_MsnPara>([](CDlgE_MsnPara& dialog) {
        Retype(*dialog.NumberEdit(), QStringLiteral("999"));
        dialog.VolumeSlider()->setValue(0);
        dialog.reject();
    });
    DoubleClickRow(*numbers.List(), 0);

    CPpS_DialFilter filters(document.doc);
    Show(filters);
    AnswerDialogs<CDlgE_DialFilter>([](CDlgE_DialFilter& dialog) {
        Retype(*dialog.NumberEdit(), QStringLiteral("0190"));
        dialog.reject();
    });
    DoubleClickRow(*filters.List(), 3);

    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(data == before);
    EXPECT_EQ(numbers.List()->ItemText(0, 1), QStringLiteral("  "));
}

TEST_F(ListPages, TooLongNameKeepsTheDialogOpenUntilItFits)
{
    CPpS_MsnPara page(document.doc);
    Show(page);
    const CData_All before = data;
    bool stayedOpen = false;
    AnswerDialogs<CDlgE_MsnPara>([&](CDlgE_MsnPara& dialog) {
        // Typing stops at five characters; a text put in from elsewhere does not.
        dialog.NameEdit()->setMaxLength(32);
        dialog.NameEdit()->setText(QStringLiteral("Zentrale"));
        dialog.accept();
        stayedOpen = dialog.result() == QDialog::Rejected && data == before;
        dialog.NameEdit()->setText(QStringLiteral("Zentr"));
        dialog.accept();
    });
    DoubleClickRow(*page.List(), 1);

    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Geben Sie bitte nicht mehr als 5 Zeichen ein."));
    EXPECT_EQ(data.cfg.msnPara[1].Txt, "Zentr");
}

TEST_F(ListPages, ForwardingNumberIsOfferedFromVersionOnePointOne)
{
    CData_MsnPara record;
    record.SetIndex(4);
    record.MsnAws = "0221";
    for (const auto& [firmware, offered] : {std::pair{"V1.00", false}, std::pair{"V1.10", true}}) {
        Identity id;
        id.firmware = firmware;
        CDlgE_MsnPara dialog(TestSwitches(id));
        dialog.LoadFrom(record);
        EXPECT_EQ(dialog.ForwardingEdit()->isEnabled(), offered) << firmware;
        EXPECT_EQ(dialog.ForwardingLabel()->isEnabled(), offered) << firmware;
        EXPECT_EQ(dialog.ForwardingEdit()->text(), QStringLiteral("0221"));
    }
}

TEST_F(ListPages, SpeedDialRowFourWithOkChangesOnlyEntryFour)
{
    CPpS_DialIndex page(document.doc);
    Show(page);
    EXPECT_EQ(page.List()->ItemText(4, 0), QStringLiteral(" k4"));
    AnswerDialogs<CDlgE_DialIndex>([](CDlgE_DialIndex& dialog) {
        EXPECT_EQ(dialog.EntryField()->text(), QStringLiteral("k4"));
        EXPECT_TRUE(dialog.EntryField()->isReadOnly());
        Retype(*dialog.NumberEdit(), QStringLiteral("*31#089x"));
        dialog.accept();
    });
    CData_All expected = data;
    expected.cfg.dialIndex[4].Msn = "*31#089";

    DoubleClickRow(*page.List(), 4);

    EXPECT_TRUE(data == expected);
    EXPECT_EQ(page.List()->ItemText(4, 1), QStringLiteral("  *31#089"));
    EXPECT_EQ(beeps, 1); // for the "x"
}

TEST_F(ListPages, FreeNumberRowEditsItsOwnRecord)
{
    data.cfg.dialFilter[9].Msn = "110";
    CPpS_DialFilter page(document.doc);
    Show(page);
    EXPECT_EQ(page.List()->ItemText(9, 0), QStringLiteral("  Frei-Nr. 2"));
    EXPECT_EQ(page.List()->ItemText(0, 0), QStringLiteral("  Sperr-Nr. 0"));
    AnswerDialogs<CDlgE_DialFilter>([](CDlgE_DialFilter& dialog) {
        EXPECT_EQ(dialog.EntryField()->text(), QStringLiteral("Frei-Nr. 2"));
        EXPECT_EQ(dialog.NumberEdit()->text(), QStringLiteral("110"));
        EXPECT_EQ(dialog.focusWidget(), dialog.NumberEdit()); // not the read-only entry
        // Wide enough that the window manager shows the caption whole.
        EXPECT_GT(dialog.minimumWidth(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
        Retype(*dialog.NumberEdit(), QStringLiteral("112"));
        dialog.accept();
    });
    CData_All expected = data;
    expected.cfg.dialFilter[9].Msn = "112";

    DoubleClickRow(*page.List(), 9);

    EXPECT_TRUE(data == expected);
    EXPECT_EQ(page.List()->ItemText(9, 1), QStringLiteral("  112"));
}

TEST_F(ListPages, ActivationWithoutSelectionOnlyBeeps)
{
    CPpS_MsnPara numbers(document.doc);
    CPpS_DialIndex speedDial(document.doc);
    CPpS_DialFilter filters(document.doc);
    CPpS_PayCounter costs(document.doc);
    AnswerDialogs<QDialog>([](QDialog& dialog) { dialog.accept(); });
    const CData_All before = data;

    for (CPpS_ListPage* page : std::initializer_list<CPpS_ListPage*>{&numbers, &speedDial, &filters}) {
        Show(*page);
        ActivateWithoutSelection(*page->List());
    }
    EXPECT_EQ(beeps, 3);

    // The cost page has no dialog: nothing happens there at all.
    Show(costs);
    ActivateWithoutSelection(*costs.List());
    DoubleClickRow(*costs.List(), 1);

    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(data == before);
}

TEST_F(ListPages, CostIsTheCounterTimesTheTariffFactorInItsPrecision)
{
    EXPECT_EQ(CPpS_PayCounter::CostText("0,12", " DM", 100), QStringLiteral(" 12,00 DM  "));
    EXPECT_EQ(CPpS_PayCounter::CostText("0,12", " DM", 0), QStringLiteral(" 0,00 DM  "));
    EXPECT_EQ(CPpS_PayCounter::CostText("1", " DM", 7), QStringLiteral(" 7 DM  "));
    EXPECT_EQ(CPpS_PayCounter::CostText("0,5", "EUR", 3), QStringLiteral(" 1,5EUR  "));
    // The counter is unsigned over all 32 bits.
    EXPECT_EQ(CPpS_PayCounter::CostText("1", "", 4294967295u), QStringLiteral(" 4294967295  "));
    EXPECT_EQ(CPpS_PayCounter::CostText("", "", 5), QStringLiteral(" 0  "));
    // The currency is document text (Windows-1252): the euro sign is 0x80.
    EXPECT_EQ(CPpS_PayCounter::CostText("0,06", " \x80", 10), QStringLiteral(" 0,60 €  "));
}

TEST_F(ListPages, CostPageShowsMoneyRightAligned)
{
    data.cfg.basic.PayMult = "1";
    data.cfg.basic.PayStr = " EUR";
    data.cfg.msnPara[0].Msn = "123";
    data.cfg.msnPara[0].PayCounter = 7;
    CPpS_PayCounter page(document.doc);
    Show(page);
    CListCtrl_RepBar& list = *page.List();

    EXPECT_EQ(list.headerItem()->text(2), QStringLiteral("Kostenzähler"));
    EXPECT_EQ(list.ItemText(0, 0), QStringLiteral("  1"));
    EXPECT_EQ(list.ItemText(0, 1), QStringLiteral("  123"));
    EXPECT_EQ(list.ItemText(0, 2).trimmed(), QStringLiteral("7 EUR"));
    EXPECT_TRUE(list.topLevelItem(5)->textAlignment(2) & Qt::AlignRight);
    EXPECT_TRUE(list.headerItem()->textAlignment(2) & Qt::AlignRight);
    EXPECT_FALSE(list.topLevelItem(5)->textAlignment(1) & Qt::AlignRight);

    // A new tariff in the general settings shows on the next activation.
    data.cfg.basic.PayMult = "0,12";
    page.LoadFromData();
    EXPECT_EQ(list.ItemText(0, 2).trimmed(), QStringLiteral("0,84 EUR"));
}

TEST_F(ListPages, DialControlAndCostListsNeedVersionTwo)
{
    for (const auto& [firmware, shown] : {std::pair{"V1.10", false}, std::pair{"V2.00", true}}) {
        Identity id;
        id.firmware = firmware;
        TestDocument older(id);
        CPpS_DialFilter filters(older.doc);
        CPpS_PayCounter costs(older.doc);
        CPpS_DialIndex speedDial(older.doc);
        Show(filters);
        Show(costs);
        Show(speedDial);
        EXPECT_EQ(!filters.List()->isHidden(), shown) << firmware;
        EXPECT_EQ(!costs.List()->isHidden(), shown) << firmware;
        EXPECT_FALSE(speedDial.List()->isHidden()) << firmware;
    }
}

TEST_F(ListPages, LeavingAListPageStoresNothingAndLoadingShowsTheData)
{
    CPpS_DialIndex page(document.doc);
    Show(page);
    page.List()->SelectRow(3);
    const CData_All before = data;
    EXPECT_TRUE(page.StoreToData());
    EXPECT_TRUE(data == before);

    // The data changed elsewhere (a transfer, another document): the next
    // activation shows it.
    data.cfg.dialIndex[3].Msn = "0711";
    page.LoadFromData();
    EXPECT_EQ(page.List()->ItemText(3, 1), QStringLiteral("  0711"));
    EXPECT_EQ(page.List()->topLevelItemCount(), 10);
}
