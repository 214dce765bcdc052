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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Row(const QTableWidget& table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells << table.item(row, column)->text();
    return cells.join(QLatin1Char('|'));
}

} // namespace

TEST(CompareWindow, ListsTheDifferencesCopiesThemAndSaysWhenThereAreNone)
{
    CDlg_Compare dialog({{"Allgemein", "", "Lautsprecher Lautst\xE4rke", "Stufe 3 von 6", "Stufe 5 von 6"},
                         {"Tasten", "1a", "Tastenart", "Zielwahltaste", "Chef"}},
                        QStringLiteral("alt.mv8"));
    ASSERT_EQ(dialog.Table()->rowCount(), 2);
    EXPECT_EQ(Row(*dialog.Table(), 0),
              QString::fromUtf8("Allgemein||Lautsprecher Lautstärke|Stufe 3 von 6|Stufe 5 von 6"));
    EXPECT_EQ(dialog.Summary()->text(),
              QString::fromUtf8("Dieses Dokument und \"alt.mv8\" unterscheiden sich in 2 Feldern:"));

    const QString heading = QStringLiteral("Seite\tEintrag\tFeld\tDieses Dokument\tAndere Datei\n");
    const QString keyRow = QStringLiteral("Tasten\t1a\tTastenart\tZielwahltaste\tChef\n");
    dialog.CopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              heading + QString::fromUtf8("Allgemein\t\tLautsprecher Lautstärke\tStufe 3 von 6\tStufe 5 von 6\n") +
                  keyRow);
    dialog.Table()->selectRow(1);
    QTest::keySequence(dialog.Table(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), heading + keyRow);

    CDlg_Compare none({}, QStringLiteral("gleich.mv8"));
    EXPECT_EQ(none.Summary()->text(),
              QString::fromUtf8("Keine Unterschiede: Dieses Dokument stimmt mit \"gleich.mv8\" überein."));
    EXPECT_FALSE(none.Table()->isVisibleTo(&none));
    EXPECT_FALSE(none.CopyButton()->isEnabled());
}

class CompareCommand : public ::testing::Test {
protected:
    CompareCommand()
    {
        frame.Docs().NewWithoutQuestion();
        std::string error;
        frame.Docs().Doc().OnSaveDocument(other, error);
        SetCompareFileHookForTesting([this] {
            ++asked;
            return QString::fromStdString(other);
        });
    }
    ~CompareCommand() override { SetCompareFileHookForTesting({}); }

    QWidget* GeneralPageControl(int id)
    {
        return static_cast<CPpE_Basic1*>(frame.View().Sheet()->Page(0))->Control(id);
    }

    void Trigger()
    {
        for (QAction* action : frame.findChildren<QAction*>())
            if (action->text() == QString::fromUtf8("Vergleichen &mit..."))
                return action->trigger();
        FAIL() << "no menu entry";
    }

    ShellTestEnvironment environment;
    App& app = environment.app;
    CMainFrame frame{environment.app};
    std::string other = environment.File("anders.mv8");
    int asked = 0;
};

TEST_F(CompareCommand, ComparesTheDocumentWithTheEditsOfTheShownPage)
{
    static_cast<QSlider*>(GeneralPageControl(1031))->setValue(5);
    const CData_All saved = app.saved;
    QString row;
    int rows = 0;
    WhenModalShown<CDlg_Compare>([&](CDlg_Compare& dialog) {
        rows = dialog.Table()->rowCount();
        row = Row(*dialog.Table(), 0);
        dialog.reject();
    });
    Trigger();
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(row, QString::fromUtf8("Allgemein||Lautsprecher Lautstärke|Stufe 5 von 6|Stufe 3 von 6"));
    EXPECT_TRUE(app.saved == saved);
    EXPECT_TRUE(environment.messages.empty());
}

TEST_F(CompareCommand, FailedPageChecksOrAnUnreadableFileCompareNothing)
{
    auto* tariff = static_cast<QLineEdit*>(GeneralPageControl(1062));
    tariff->setText(QStringLiteral("0,1234"));
    Trigger();
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(environment.messages.size(), 1u);

    tariff->setText(QStringLiteral("0,15"));
    other = environment.File("fehlt.mv8");
    Trigger();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(environment.messages.size(), 2u);
    EXPECT_TRUE(environment.messages[1].text.contains(QStringLiteral("fehlt.mv8\" ist nicht vorhanden")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
