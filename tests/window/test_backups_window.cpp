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
#include <QStatusBar>
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
        sent = KeepTransferBackup(copy, app.doc.Switches(), BackupPart::Configuration, BackupWay::Sent, folder).path;
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
    App& app = environment.app;
    CMainFrame frame{environment.app};
    std::string folder = environment.File("backups");
    std::string sent;
};

} // namespace

TEST_F(BackupsWindow, ListsComparesAndDeletesOnlyWhenTheUserAgrees)
{
    CDlg_Backups none(environment.File("fehlt"));
    EXPECT_TRUE(none.Summary()->text().startsWith(QStringLiteral("Noch keine Sicherungskopien.")));
    EXPECT_FALSE(none.Table()->isVisibleTo(&none));

    QStringList rows;
    int differences = -1;
    QUrl shown;
    WithWindow([&](CDlg_Backups& dialog) {
        for (int row = 0; row < dialog.Table()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < dialog.Table()->columnCount(); ++column)
                cells << dialog.Table()->item(row, column)->text();
            rows << cells.join(QLatin1Char('|'));
        }
        dialog.openFolder = [&shown](const QUrl& url) { return (shown = url).isValid(); };
        dialog.FolderButton()->click();
        dialog.Table()->selectRow(1);
        WhenModalShown<CDlg_Compare>([&](CDlg_Compare& compare) {
            differences = compare.Table()->rowCount();
            compare.reject();
            environment.answer = QMessageBox::No;
            dialog.DeleteButton()->click();
            environment.answer = QMessageBox::Yes;
            dialog.DeleteButton()->click();
            dialog.reject();
        });
        dialog.CompareButton()->click();
    });
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QString::fromUtf8("01.01.2999 00:00:00|gelesen|Telefonbuch|||Die Datei enthält")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("|gesendet|Konfiguration|V3.04|MV850|"))) << rows[1].toStdString();
    EXPECT_EQ(shown, QUrl::fromLocalFile(QString::fromStdString(folder)));
    EXPECT_EQ(differences, 2); // loudspeaker volume and software version
    ASSERT_EQ(environment.messages.size(), 2u);
    EXPECT_EQ(environment.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(FileExists(sent));
    EXPECT_TRUE(FileExists(folder + "/notiz.mv8"));
}

TEST_F(BackupsWindow, OpensACopyAsAnUntitledDocumentAfterTheSaveQuestion)
{
    app.data.cfg.basic.LoudHand = 4; // unsaved
    frame.View().MoveDataDocToView();
    WithWindow([this](CDlg_Backups& dialog) {
        dialog.Table()->selectRow(0);
        dialog.OpenButton()->click(); // cannot be read: says why, stays open
        environment.answer = QMessageBox::No;
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
    EXPECT_TRUE(frame.statusBar()->currentMessage().endsWith(
        QString::fromUtf8("(gesendet, Konfiguration) als neues Dokument geöffnet.")));
}

// A copy kept before an import is listed, opened and deleted like the others.
TEST_F(BackupsWindow, ACopyKeptBeforeAnImportIsOneOfThem)
{
    const std::string beforeImport =
        KeepTransferBackup(app.data, app.doc.Switches(), BackupPart::PhoneBook, BackupWay::BeforeImport, folder).path;
    QString row;
    WithWindow([&](CDlg_Backups& dialog) {
        ASSERT_EQ(dialog.Table()->rowCount(), 3);
        dialog.Table()->selectRow(1); // newer than the sent copy
        row = dialog.Table()->item(1, 1)->text() + "|" + dialog.Table()->item(1, 2)->text();
        dialog.OpenButton()->click();
    });
    EXPECT_EQ(row, QStringLiteral("vor Import|Telefonbuch"));
    EXPECT_TRUE(frame.statusBar()->currentMessage().endsWith(
        QString::fromUtf8("(vor Import, Telefonbuch) als neues Dokument geöffnet.")));
    EXPECT_TRUE(FileExists(beforeImport));
}
