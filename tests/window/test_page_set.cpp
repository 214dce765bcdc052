// SPDX-License-Identifier: GPL-3.0-or-later
// Which pages the sheet shows for the derivative switches, and in what order;
// showing them changes nothing.
#include "CDocCommands.h"
#include "CListCtrl_RepBar.h"
#include "CMainFrame.h"
#include "CSimPhone.h"
#include "CTrans.h"
#include "DocumentCompare.h"
#include "DocumentVariants.h"
#include "EditDialogRun.h"
#include "LinkFakes.h"
#include "Mnemonics.h"
#include "CPropertyPage.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "Derivat.h"
#include "ShellTestEnvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Captions(const CMainFrame& frame)
{
    QStringList captions;
    const CPropertySheetView* sheet = frame.View().Sheet();
    for (int i = 0; i < sheet->count(); ++i)
        captions << sheet->Page(i)->Caption();
    return captions;
}

// The sheet as a new document builds it for the given identity.
QStringList PagesFor(const Identity& identity)
{
    ShellTestEnvironment environment(identity);
    CMainFrame frame(environment.app);
    frame.Docs().NewWithoutQuestion();
    return Captions(frame);
}

} // namespace

TEST(PageSet, ShippedIdentityHasSevenConfigurationPagesAndDataExchange)
{
    const QStringList expected = {"Allgemein", "Telefonanlage", "Rufnummern", "Kurzwahl",
                                  "Tasten", "Wahlkontrolle", "Kosten", "Datenaustausch"};
    EXPECT_EQ(PagesFor({}), expected);
}

TEST(PageSet, LcrPageStandsBetweenDialControlAndCosts)
{
    const QStringList pages = PagesFor({.derivative = "ZEFIR"});
    ASSERT_EQ(pages.size(), 9);
    EXPECT_EQ(pages.indexOf("LCR"), pages.indexOf("Wahlkontrolle") + 1);
    EXPECT_EQ(pages.indexOf("Kosten"), pages.indexOf("LCR") + 1);
}

TEST(PageSet, PhoneBookStandsDirectlyBeforeDataExchange)
{
    const QStringList pages = PagesFor({.phonebookPart = "1"});
    ASSERT_EQ(pages.size(), 9);
    EXPECT_EQ(pages.at(7), "Telefonbuch");
    EXPECT_EQ(pages.at(8), "Datenaustausch");
}

TEST(PageSet, WithoutConfigurationPartOnlyDataExchangeRemains)
{
    EXPECT_EQ(PagesFor({.configPart = "0"}), QStringList{"Datenaustausch"});
    EXPECT_EQ(PagesFor({.configPart = "0", .phonebookPart = "1"}),
              (QStringList{"Telefonbuch", "Datenaustausch"}));
}

TEST(PageSet, EveryPageCarriesItsDialogNumber)
{
    ShellTestEnvironment environment({.derivative = "ZEFIR", .phonebookPart = "1"});
    CMainFrame frame(environment.app);
    frame.Docs().NewWithoutQuestion();
    const CPropertySheetView* sheet = frame.View().Sheet();
    std::vector<int> ids;
    for (int i = 0; i < sheet->count(); ++i)
        ids.push_back(sheet->Page(i)->DialogId());
    EXPECT_EQ(ids, (std::vector<int>{1001, 1002, 1200, 1250, 1300, 1900, 2100, 2000, 1400, 1500}));
}

TEST(PageSet, ThePhoneBookMenuFollowsThePhoneBookPart)
{
    for (const char* part : {"0", "1"}) {
        ShellTestEnvironment environment({.phonebookPart = part});
        CMainFrame frame(environment.app);
        frame.Docs().NewWithoutQuestion();
        EXPECT_EQ(frame.View().Sheet()->count(), part[0] == '1' ? 9 : 8);
        EXPECT_EQ(frame.PhoneBookMenu()->menuAction()->isVisible(), part[0] == '1');
        // Printing draws the phone book; the "Telefon" menu always reads and
        // sends the configuration.
        int shown = 0;
        for (const QAction* action : frame.findChildren<QAction*>())
            for (const char* text :
                 {"&Drucken...", "Seiten&ansicht", "Telefonbuch a&uslesen", "Konfiguration &auslesen"})
                if (action->text() == QString::fromUtf8(text) && action->isVisible())
                    ++shown;
        EXPECT_EQ(shown, part[0] == '1' ? 4 : 1) << part;
    }
}

TEST(PageSet, WindowTitleNamesDocumentAndProgram)
{
    ShellTestEnvironment environment;
    CMainFrame frame(environment.app);
    frame.Docs().NewWithoutQuestion();
    EXPECT_EQ(frame.windowTitle(), "Neu[*] - Systemtelefon MV850");
}

namespace {

// The configuration as a telephone sends it, read by the link from the
// simulated telephone.
CData_All ReadFromSimulatedTelephone(const CDerivat& switches)
{
    CSimPhone phone("V3.20", 1);
    FakePort port;
    VirtualTimerHost timers;
    CData_All data;
    CTrans trans(data, switches, port, timers);
    timers.onTimer = [&trans](int id) { trans.OnTimer(id); };
    trans.StateSet(CTrans::STATE_READ_CFG);
    port.Queue(phone.StartSession());
    for (int turn = 0; turn < 5000 && trans.StateGet() != CTrans::STATE_END && trans.StateGet() != CTrans::STATE_ERR;
         ++turn) {
        while (port.HasInput())
            trans.OnRxL1();
        for (const std::string& line : port.TakeNewLines())
            port.Queue(phone.Receive(line));
        if (!port.HasInput())
            timers.Advance(100);
    }
    EXPECT_EQ(trans.StateGet(), CTrans::STATE_END);
    data.Validate(trans.Switches());
    return data;
}

// Every page shown and left, without an edit, then the last one stored.
std::vector<std::string> ChangesOfVisitingEveryPage(App& app, const CData_All& document)
{
    app.data = app.saved = document;
    CMainFrame frame(app);
    frame.View().OnInitialUpdate();
    CPropertySheetView* sheet = frame.View().Sheet();
    for (int i = 1; i <= sheet->count(); ++i)
        sheet->setCurrentIndex(i % sheet->count());
    frame.View().MoveDataViewToDoc();
    std::vector<std::string> changes;
    for (const FieldDifference& d : CompareDocuments(document, app.data, app.doc.Switches()))
        changes.push_back(DifferenceLine(d));
    if (changes.empty() && app.data != document)
        changes.emplace_back("a field that the comparison does not list");
    return changes;
}

} // namespace

TEST(PageSet, ShowingAndLeavingEveryPageChangesNothing)
{
    ShellTestEnvironment environment({.derivative = "ZEFIR", .firmware = "V3.20", .phonebookPart = "1"});
    std::vector<CData_All> documents(3);
    FillDocumentVariant(documents[0], 0);
    FillDocumentVariant(documents[1], 1);
    documents[2] = ReadFromSimulatedTelephone(environment.app.doc.Switches());
    for (const CData_All& document : documents)
        EXPECT_EQ(ChangesOfVisitingEveryPage(environment.app, document), std::vector<std::string>());
}

// The minimum width hides the later tabs behind scroll arrows.
TEST(PageSet, TheWindowOpensWideEnoughForEveryTab)
{
    for (const Identity& identity : {Identity{}, Identity{.derivative = "ZEFIR", .phonebookPart = "1"}}) {
        ShellTestEnvironment environment(identity);
        environment.app.ProfileSettingsGet();
        CMainFrame frame(environment.app);
        frame.Docs().NewWithoutQuestion();
        frame.show();
        const CPropertySheetView* sheet = frame.View().Sheet();
        const bool everyTab = sheet->tabBar()->sizeHint().width() <= sheet->tabBar()->width();
        // A screen too narrow for all of them gets a window as wide as it is.
        EXPECT_TRUE(everyTab || frame.width() == frame.screen()->availableGeometry().width()) << identity.derivative;
    }
}

// The page keys reach the sheet from a combo box too, which would keep them
// for itself; a list that gets the focus has a row that its keys open.
TEST(PageSet, PageKeysWorkFromEveryControlAndListKeysOpenTheRow)
{
    ShellTestEnvironment environment;
    CMainFrame frame(environment.app);
    frame.Docs().NewWithoutQuestion();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPropertySheetView* sheet = frame.View().Sheet();
    sheet->setCurrentIndex(1);
    QWidget* combo = sheet->Page(1)->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(sheet->currentIndex(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet->currentIndex(), 0);

    sheet->setCurrentIndex(3); // "Kurzwahl"
    auto* list = sheet->Page(3)->findChild<CListCtrl_RepBar*>();
    ASSERT_NE(list, nullptr);
    int opened = 0;
    QObject::connect(list, &CListCtrl_RepBar::rowActivated, [&opened](int row) { opened += row == 0; });
    SetEditDialogHookForTesting([](QDialog& dialog) { dialog.reject(); });
    list->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F2})
        QTest::keyClick(list, key);
    SetEditDialogHookForTesting({});
    EXPECT_EQ(opened, 3); // the list took its first row when it got the focus
}

// Alt+letter reaches every button and labelled field of a page, and no two
// of them, nor a page and the menu bar, share a letter.
TEST(PageSet, EveryControlOfAPageHasALetterOfItsOwn)
{
    ShellTestEnvironment environment({.derivative = "ZEFIR", .phonebookPart = "1"});
    CMainFrame frame(environment.app);
    frame.Docs().NewWithoutQuestion();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPropertySheetView* sheet = frame.View().Sheet();
    for (int i = 0; i < sheet->count(); ++i) {
        sheet->setCurrentIndex(i);
        QSet<QChar> taken = MenuBarMnemonics(sheet);
        for (QWidget* control : sheet->Page(i)->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            if (!(button || (label && label->buddy())) || !control->isVisibleTo(sheet->Page(i)))
                continue;
            const QString text = button ? button->text() : label->text();
            const QChar letter = MnemonicOf(text);
            EXPECT_FALSE(letter.isNull()) << text.toStdString();
            EXPECT_FALSE(taken.contains(letter)) << sheet->Page(i)->Caption().toStdString() << ": "
                                                 << text.toStdString();
            taken.insert(letter);
        }
    }
    sheet->setCurrentIndex(0);
    const QLabel* label = nullptr;
    for (const QLabel* candidate : sheet->Page(0)->findChildren<QLabel*>())
        if (candidate->buddy() && candidate->buddy()->isVisible())
            label = label ? label : candidate;
    ASSERT_NE(label, nullptr);
    const QChar letter = MnemonicOf(label->text());
    QTest::keyClick(&frame, static_cast<char>(letter.toLatin1()), Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), label->buddy()) << label->text().toStdString();
}
