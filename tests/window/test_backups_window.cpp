// SPDX-License-Identifier: GPL-3.0-or-later
// "Datei > Sicherungen...": what the window lists, and what comparing,
// opening and deleting a copy do with the document and the folder.
#include "CDlg_Backups.h"
#include "CDlg_Compare.h"
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "CQ410CfView.h"
#include "ModalDialogDriver.h"
#include "ShellTestEnvironment.h"
#include "TransferBackup.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

class BackupsWindow : public ::testing::Test {
protected:
    BackupsWindow()
    {
        frame.Docs().NewWithoutQuestion();
        CData_All copy = app.data;
        copy.cfg.basic.LoudBox = 5;
        copy.cfg.basic.SwVers = "V3.04";
        sent = KeepTransferBackup(copy, BackupPart::Configuration, BackupWay::Sent, folder).path;
        WriteFileBytes(folder + "/29990101-000000-000-gelesen-telefonbuch.mv8", ""); // cut short
        WriteFileBytes(folder + "/notiz.mv8", "[Basic]\r\n");
    }

    // Runs the menu command; act works the window and must end it.
    void WithWindow(std::function<void(CDlg_Backups&)> act)
    {
        WhenModalShown<CDlg_Backups>(act);
        for (QAction* action : frame.findChildren<QAction*>())
            if (action->text() == QString::fromUtf8("&Sicherungen..."))
                return action->trigger();
        FAIL() << "no menu entry";
    }

    ShellTestEnvironment environment;
    App& app = App::Instance();
    CMainFrame frame;
    std::string folder = environment.File("backups");
    std::string sent;
};

QString Row(const QTableWidget& table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells << table.item(row, column)->text();
    return cells.join(QLatin1Char('|'));
}

} // namespace

TEST(BackupsWindowAlone, AnEmptyFolderSaysWhereCopiesWillAppear)
{
    TempDir dir;
    CDlg_Backups dialog(dir.File("backups"));
    EXPECT_TRUE(dialog.Summary()->text().contains(QString::fromStdString(dir.File("backups"))));
    EXPECT_TRUE(dialog.Summary()->text().startsWith(QStringLiteral("Noch keine Sicherungskopien.")));
    EXPECT_FALSE(dialog.Table()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.OpenButton()->isEnabled());
    EXPECT_FALSE(dialog.FolderButton()->isEnabled()); // there is no folder yet

    KeepTransferBackup(CData_All(), BackupPart::PhoneBook, BackupWay::Read, dir.File("backups"));
    dialog.Refresh();
    EXPECT_EQ(dialog.Table()->rowCount(), 1);
    QUrl shown;
    dialog.openFolder = [&shown](const QUrl& url) {
        shown = url;
        return true;
    };
    dialog.FolderButton()->click();
    EXPECT_EQ(shown, QUrl::fromLocalFile(QString::fromStdString(dir.File("backups"))));
}

TEST_F(BackupsWindow, ListsTheCopiesAndComparesOneWithTheDocument)
{
    QStringList rows;
    int differences = -1;
    WithWindow([&](CDlg_Backups& dialog) {
        for (int row = 0; row < dialog.Table()->rowCount(); ++row)
            rows << Row(*dialog.Table(), row);
        dialog.Table()->selectRow(1);
        WhenModalShown<CDlg_Compare>([&](CDlg_Compare& compare) {
            differences = compare.Table()->rowCount();
            compare.reject();
            dialog.reject();
        });
        dialog.CompareButton()->click();
    });
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QString::fromUtf8("01.01.2999 00:00:00|gelesen|Telefonbuch|||Die Datei enthält")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("|gesendet|Konfiguration|V3.04|MV850|"))) << rows[1].toStdString();
    EXPECT_EQ(differences, 2); // loudspeaker volume and software version
}

TEST_F(BackupsWindow, OpensACopyAsAnUntitledDocumentAfterTheSaveQuestion)
{
    app.data.cfg.basic.LoudHand = 4; // unsaved
    frame.View().MoveDataDocToView();
    environment.answer = QMessageBox::No;
    WithWindow([](CDlg_Backups& dialog) {
        dialog.Table()->selectRow(0);
        dialog.OpenButton()->click(); // cannot be read: says why, stays open
        dialog.Table()->selectRow(1);
        dialog.OpenButton()->click();
    });
    ASSERT_EQ(environment.messages.size(), 2u);
    EXPECT_TRUE(environment.messages[0].text.contains(QStringLiteral("kann nicht gelesen werden")));
    EXPECT_TRUE(environment.messages[1].text.startsWith(QString::fromUtf8("Änderungen in")));
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
    EXPECT_EQ(frame.Docs().Title(), QStringLiteral("Neu"));
    EXPECT_TRUE(frame.Docs().PathName().isEmpty()); // a save asks for a name
    EXPECT_FALSE(app.data == app.saved);           // and closing asks first
    EXPECT_TRUE(frame.RecentFiles().Files().isEmpty());
}

TEST_F(BackupsWindow, DeletesACopyOnlyWhenTheUserAgrees)
{
    auto deleteSent = [this](QMessageBox::StandardButton answer) {
        environment.answer = answer;
        WithWindow([](CDlg_Backups& dialog) {
            dialog.Table()->selectRow(1);
            dialog.DeleteButton()->click();
            dialog.reject();
        });
    };
    deleteSent(QMessageBox::No);
    EXPECT_TRUE(FileExists(sent));
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_EQ(environment.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    deleteSent(QMessageBox::Yes);
    EXPECT_FALSE(FileExists(sent));
    EXPECT_TRUE(FileExists(folder + "/notiz.mv8"));
}
