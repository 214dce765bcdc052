// SPDX-License-Identifier: GPL-3.0-or-later
// When the program asks whether to keep unsaved changes, and what the
// transfer commands do with the answer.
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "ShellTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class SaveQuestion : public ::testing::Test {
protected:
    SaveQuestion()
    {
        frame.Docs().NewWithoutQuestion();
        // The data-exchange page holds no document values, so changes made
        // to the data here are not overwritten when the page is stored.
        CPropertySheetView* sheet = frame.View().Sheet();
        sheet->setCurrentIndex(sheet->count() - 1);
        environment.messages.clear();
    }

    void ChangeDocument() { app.data.cfg.basic.LoudBox = 5; }

    // What the transfer window does on success: the received data replaces the document's.
    void ReceiveOnTransfer()
    {
        environment.onTransfer = [this](int) {
            app.transfer.cfg.basic.LoudHand = 2;
            app.data = app.transfer;
        };
    }

    ShellTestEnvironment environment;
    App& app = environment.app;
    CMainFrame frame{environment.app};
};

} // namespace

TEST_F(SaveQuestion, UnchangedDocumentReadsWithoutAsking)
{
    app.DoRxCfg();
    EXPECT_TRUE(environment.messages.empty());
    EXPECT_EQ(environment.transferModes, std::vector<int>{1});
}

TEST_F(SaveQuestion, ChangedDocumentAsksWithItsTitle)
{
    ChangeDocument();
    environment.answer = QMessageBox::Cancel;
    app.DoRxCfg();
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_EQ(environment.messages[0].text, QString::fromUtf8("Änderungen in Neu speichern?"));
    EXPECT_EQ(environment.messages[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST_F(SaveQuestion, ChangingAValueBackMakesTheDocumentUnmodified)
{
    ChangeDocument();
    app.data.cfg.basic.LoudBox = 3;
    app.DoRxCfg();
    EXPECT_TRUE(environment.messages.empty());
}

TEST_F(SaveQuestion, CancelStopsReadingAndKeepsTheEdits)
{
    ChangeDocument();
    environment.answer = QMessageBox::Cancel;
    app.DoRxCfg();
    app.DoRxDialName();
    EXPECT_TRUE(environment.transferModes.empty());
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
}

TEST_F(SaveQuestion, NoReadsAndTheTelephonesDataReplacesTheEdits)
{
    ChangeDocument();
    environment.answer = QMessageBox::No;
    ReceiveOnTransfer();
    app.DoRxCfg();
    EXPECT_EQ(environment.transferModes, std::vector<int>{1});
    // Records the telephone did not send hold their defaults, not the edits.
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 3);
    EXPECT_EQ(app.data.cfg.basic.LoudHand, 2);
}

TEST_F(SaveQuestion, YesSavesUnderTheChosenNameBeforeReading)
{
    ChangeDocument();
    environment.answer = QMessageBox::Yes;
    const std::string file = environment.File("neu.mv8");
    frame.Docs().askSavePath = [&](const QString&) { return QString::fromStdString(file); };
    app.DoRxCfg();
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(environment.transferModes, std::vector<int>{1});
    EXPECT_EQ(frame.windowTitle(), "neu.mv8[*] - Systemtelefon MV850");
}

TEST_F(SaveQuestion, YesWithoutChoosingANameStops)
{
    ChangeDocument();
    environment.answer = QMessageBox::Yes;
    frame.Docs().askSavePath = [](const QString&) { return QString(); };
    app.DoRxCfg();
    EXPECT_TRUE(environment.transferModes.empty());
}

TEST_F(SaveQuestion, FailedSaveIsShownAndTheDocumentStaysModified)
{
    ChangeDocument();
    frame.Docs().askSavePath = [&](const QString&) {
        return QString::fromStdString(environment.File("fehlt/neu.mv8"));
    };
    EXPECT_FALSE(frame.Docs().FileSave());
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_EQ(environment.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(environment.messages[0].text.contains("nicht gespeichert"));
    EXPECT_TRUE(frame.Docs().Doc().IsModified());
    EXPECT_EQ(frame.windowTitle(), "Neu[*] - Systemtelefon MV850");
}

TEST_F(SaveQuestion, ReadingThePhoneBookStartsFromAnEmptyBook)
{
    app.data.SetDialNameName(0, "Alt");
    app.saved = app.data;
    environment.onTransfer = [this](int) { EXPECT_TRUE(app.transfer.GetDialNameName(0).empty()); };
    app.DoRxDialName();
    EXPECT_EQ(environment.transferModes, std::vector<int>{3});
}

TEST_F(SaveQuestion, SendingNeverAsksAndSendsTheEdits)
{
    ChangeDocument();
    environment.onTransfer = [this](int) { EXPECT_EQ(app.transfer, app.data); };
    app.DoTxCfg();
    EXPECT_TRUE(environment.messages.empty());
    EXPECT_EQ(environment.transferModes, std::vector<int>{0});
}

// A file without [Basic] opened to defaults; sending those would replace the
// telephone's settings, so the program asks first, until the data is filled.
TEST_F(SaveQuestion, SendingAHalfTheFileDidNotHoldAsksFirst)
{
    const std::string file = environment.File("nur-buch.mv8");
    WriteFileBytes(file, "[DialName_1]\r\nName=Anna\r\nMsn=1\r\n");
    ASSERT_TRUE(frame.Docs().OpenDocumentFile(QString::fromStdString(file)));
    environment.answer = QMessageBox::No;
    app.DoTxCfg();
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_TRUE(environment.messages[0].text.contains("keine Konfiguration")) << environment.messages[0].text.toStdString();
    EXPECT_TRUE(environment.transferModes.empty());
    environment.answer = QMessageBox::Yes;
    app.DoTxCfg();
    EXPECT_EQ(environment.transferModes, std::vector<int>{0});

    environment.messages.clear();
    frame.View().Sheet()->setCurrentIndex(frame.View().Sheet()->count() - 1); // off the page of the field
    ChangeDocument();
    app.DoTxCfg();
    EXPECT_TRUE(environment.messages.empty());
}

TEST_F(SaveQuestion, SendingThePhoneBookEndsWithTheWaitingNotice)
{
    ChangeDocument();
    app.DoTxDialName();
    EXPECT_EQ(environment.transferModes, std::vector<int>{2});
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_EQ(environment.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(environment.messages[0].caption, "Systemtelefon MV850");
    EXPECT_TRUE(environment.messages[0].text.startsWith(
        QString::fromUtf8("Nach der Übertragung des Telefonbuchs kann es bis zu 5 Minuten \ndauern")));
}

TEST_F(SaveQuestion, FailedOpenIsShownAndChangesNothing)
{
    ChangeDocument();
    environment.answer = QMessageBox::No;
    EXPECT_FALSE(frame.Docs().OpenDocumentFile(QString::fromStdString(environment.File("fehlt.mv8"))));
    ASSERT_EQ(environment.messages.size(), 2u);
    EXPECT_EQ(environment.messages[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(environment.messages[1].text.contains("fehlt.mv8"));
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
    EXPECT_EQ(frame.windowTitle(), "Neu[*] - Systemtelefon MV850");
}

TEST_F(SaveQuestion, OpenedFileIsUnmodifiedAndRemembered)
{
    const std::string file = environment.File("gespeichert.mv8");
    ChangeDocument();
    frame.Docs().askSavePath = [&](const QString&) { return QString::fromStdString(file); };
    ASSERT_TRUE(frame.Docs().FileSave());
    frame.Docs().NewWithoutQuestion();

    ASSERT_TRUE(frame.Docs().OpenDocumentFile(QString::fromStdString(file)));
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
    EXPECT_EQ(frame.RecentFiles().Files().value(0), QString::fromStdString(file));
    environment.messages.clear();
    app.DoRxCfg();
    EXPECT_TRUE(environment.messages.empty());
}

TEST_F(SaveQuestion, CancelKeepsTheWindowOpen)
{
    ChangeDocument();
    environment.answer = QMessageBox::Cancel;
    EXPECT_FALSE(frame.close());
}
