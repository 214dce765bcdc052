// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window and "Datei > Vergleichen mit...": what the table
// shows, copying it, and what the command does with the shown page and with
// a file it cannot read.
#include "CDlg_Compare.h"
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "CPpE_Basic1.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "CompareCommand.h"
#include "ModalDialogDriver.h"
#include "ShellTestEnvironment.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const std::vector<FieldDifference> kTwo = {
    {"Allgemein", "", "Lautsprecher Lautst\xE4rke", "Stufe 3 von 6", "Stufe 5 von 6"},
    {"Tasten", "1a", "Tastenart", "Zielwahltaste", "Chef"},
};

QStringList Row(const QTableWidget& table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells << table.item(row, column)->text();
    return cells;
}

} // namespace

TEST(CompareWindow, ListsTheDifferencesAndCopiesThemAsText)
{
    CDlg_Compare dialog(kTwo, QStringLiteral("alt.mv8"));
    QTableWidget& table = *dialog.Table();
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(Row(table, 0), (QStringList{"Allgemein", "", QString::fromUtf8("Lautsprecher Lautstärke"),
                                          "Stufe 3 von 6", "Stufe 5 von 6"}));
    EXPECT_EQ(dialog.Summary()->text(),
              QString::fromUtf8("Dieses Dokument und \"alt.mv8\" unterscheiden sich in 2 Feldern:"));

    const QString heading = QStringLiteral("Seite\tEintrag\tFeld\tDieses Dokument\tAndere Datei\n");
    const QString keyRow = QStringLiteral("Tasten\t1a\tTastenart\tZielwahltaste\tChef\n");
    dialog.CopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              heading + QString::fromUtf8("Allgemein\t\tLautsprecher Lautstärke\tStufe 3 von 6\tStufe 5 von 6\n") +
                  keyRow);
    table.selectRow(1);
    QTest::keySequence(&table, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), heading + keyRow);
}

TEST(CompareWindow, SaysPlainlyWhenThereAreNoDifferences)
{
    CDlg_Compare dialog({}, QStringLiteral("gleich.mv8"));
    EXPECT_EQ(dialog.Summary()->text(),
              QString::fromUtf8("Keine Unterschiede: Dieses Dokument stimmt mit \"gleich.mv8\" überein."));
    EXPECT_FALSE(dialog.Table()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.CopyButton()->isEnabled());
}

class CompareCommand : public ::testing::Test {
protected:
    CompareCommand()
    {
        frame.Docs().NewWithoutQuestion();
        other = environment.File("anders.mv8");
        std::string error;
        frame.Docs().Doc().OnSaveDocument(other, error);
        SetCompareFileHookForTesting([this] {
            ++asked;
            return QString::fromStdString(other);
        });
        environment.messages.clear();
    }
    ~CompareCommand() override { SetCompareFileHookForTesting({}); }

    CPpE_Basic1& GeneralPage() { return *static_cast<CPpE_Basic1*>(frame.View().Sheet()->Page(0)); }

    void Trigger()
    {
        for (QAction* action : frame.findChildren<QAction*>())
            if (action->text() == QString::fromUtf8("Vergleichen &mit..."))
                return action->trigger();
        FAIL() << "no menu entry";
    }

    ShellTestEnvironment environment;
    App& app = App::Instance();
    CMainFrame frame;
    std::string other;
    int asked = 0;
};

TEST_F(CompareCommand, ComparesTheDocumentWithTheEditsOfTheShownPage)
{
    static_cast<QSlider*>(GeneralPage().Control(1031))->setValue(5);
    const CData_All saved = app.saved;
    QStringList row;
    WhenModalShown<CDlg_Compare>([&](CDlg_Compare& dialog) {
        if (dialog.Table()->rowCount() == 1)
            row = Row(*dialog.Table(), 0);
        dialog.reject();
    });
    Trigger();
    EXPECT_EQ(row, (QStringList{"Allgemein", "", QString::fromUtf8("Lautsprecher Lautstärke"), "Stufe 5 von 6",
                                "Stufe 3 von 6"}));
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
    EXPECT_TRUE(app.saved == saved);
    EXPECT_TRUE(environment.messages.empty());
}

TEST_F(CompareCommand, FailedPageChecksOrAnUnreadableFileCompareNothing)
{
    static_cast<QLineEdit*>(GeneralPage().Control(1062))->setText(QStringLiteral("0,1234"));
    Trigger();
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_EQ(app.data.cfg.basic.PayMult, "0,12");

    static_cast<QLineEdit*>(GeneralPage().Control(1062))->setText(QStringLiteral("0,15"));
    other = environment.File("fehlt.mv8");
    Trigger();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(environment.messages.size(), 2u);
    EXPECT_TRUE(environment.messages[1].text.contains(QStringLiteral("fehlt.mv8\" ist nicht vorhanden")))
        << environment.messages[1].text.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
