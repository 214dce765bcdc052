// SPDX-License-Identifier: GPL-3.0-or-later
// The phone-book import dialog and the three phone-book commands.
#include "App.h"
#include "CDlgE_Import.h"
#include "CQ410CfDoc.h"
#include "MessageBoxes.h"
#include "ModalDialogDriver.h"
#include "PhoneBookCommands.h"
#include "TestSupport.h"

#include <QFileDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Records what the commands ask of the view.
class RecordingView : public IDataView {
public:
    void MoveDataDocToView() override { calls.push_back("DocToView"); }
    void MoveDataViewToDoc() override { calls.push_back("ViewToDoc"); }
    std::vector<std::string> calls;
};

} // namespace

class ImportDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageHookForTesting([this](QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages.push_back(text);
            return QMessageBox::Ok;
        });
        WriteFileBytes(file, "Meier Hans\tBerlin\t030 1234\r");
        dialog.FileName()->setText(QString::fromStdString(file));
    }
    void TearDown() override { SetMessageHookForTesting({}); }

    // OK with one field changed; true when the dialog accepted.
    bool AcceptWith(QLineEdit* edit, const QString& text)
    {
        const QString old = edit->text();
        edit->setText(text);
        messages.clear();
        dialog.setResult(QDialog::Rejected);
        dialog.accept();
        const bool accepted = dialog.result() == QDialog::Accepted;
        edit->setText(old);
        return accepted;
    }

    TempDir dir;
    std::string file = dir.File("book.txt");
    CDlgE_Import dialog;
    std::vector<QString> messages;
};

TEST_F(ImportDialog, ShowsValuesFromOneAndGivesThemFromZero)
{
    EXPECT_EQ(dialog.StartLine()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.Entries()->text(), QStringLiteral("200"));
    EXPECT_EQ(dialog.ColumnRepeat()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.NameColumn(3)->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.NameToken(3)->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog.NumberColumn()->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.NumberToken()->text(), QStringLiteral("1"));
    dialog.accept();
    ImportSettings defaults;
    defaults.fileName = file;
    const ImportSettings& s = dialog.Settings();
    EXPECT_EQ(s.fileName, defaults.fileName);
    EXPECT_EQ(s.startLine, defaults.startLine);
    EXPECT_EQ(s.nameColumn, defaults.nameColumn);
    EXPECT_EQ(s.nameToken, defaults.nameToken);
    EXPECT_EQ(s.numberColumn, defaults.numberColumn);
    EXPECT_EQ(s.numberToken, defaults.numberToken);

    dialog.StartLine()->setText(QStringLiteral("3"));
    dialog.Entries()->setText(QStringLiteral("5"));
    dialog.ColumnRepeat()->setText(QStringLiteral("2"));
    dialog.NameToken(1)->setText(QStringLiteral("0"));
    dialog.NumberColumn()->setText(QStringLiteral("2"));
    dialog.Prefix()->setText(QStringLiteral("0"));
    dialog.accept();
    EXPECT_EQ(dialog.Settings().startLine, 2);
    EXPECT_EQ(dialog.Settings().entries, 5);         // counts, not positions
    EXPECT_EQ(dialog.Settings().columnRepeat, 2);
    EXPECT_EQ(dialog.Settings().nameToken[1], -1); // 0 switches the part off
    EXPECT_EQ(dialog.Settings().numberColumn, 1);
    EXPECT_EQ(dialog.Settings().prefix, "0");
}

TEST_F(ImportDialog, RefusesValuesOutOfRangeAndStaysOpen)
{
    const QString entries = QStringLiteral("Geben Sie bitte eine ganze Zahl zwischen 1 und 200 ein.");
    const QString column = QStringLiteral("Geben Sie bitte eine ganze Zahl zwischen 0 und 50 ein.");
    EXPECT_FALSE(AcceptWith(dialog.Entries(), QStringLiteral("0")));
    EXPECT_EQ(messages, std::vector<QString>{entries});
    EXPECT_EQ(dialog.focusWidget(), dialog.Entries());
    EXPECT_FALSE(AcceptWith(dialog.Entries(), QStringLiteral("201")));
    EXPECT_TRUE(AcceptWith(dialog.Entries(), QStringLiteral("200")));
    EXPECT_FALSE(AcceptWith(dialog.ColumnRepeat(), QStringLiteral("51")));
    EXPECT_EQ(messages, std::vector<QString>{column});
    EXPECT_TRUE(AcceptWith(dialog.NameColumn(2), QStringLiteral("50")));
    EXPECT_FALSE(AcceptWith(dialog.NameToken(2), QStringLiteral("51")));
    EXPECT_FALSE(AcceptWith(dialog.NumberToken(), QStringLiteral("")));
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Geben Sie bitte eine ganze Zahl ein.")});
    EXPECT_FALSE(AcceptWith(dialog.StartLine(), QStringLiteral("99999999999")));
    EXPECT_TRUE(AcceptWith(dialog.StartLine(), QStringLiteral("0")));
    EXPECT_EQ(dialog.Settings().startLine, -1);
}

TEST_F(ImportDialog, RefusesAFileThatCannotBeRead)
{
    EXPECT_FALSE(AcceptWith(dialog.FileName(), QString::fromStdString(dir.File("missing.txt"))));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("missing.txt")));
    EXPECT_FALSE(AcceptWith(dialog.FileName(), QString()));
    EXPECT_EQ(messages.size(), 1u);
}

class PhoneBookCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.view = &view;
        // As the window's file commands bind it.
        app.doc.moveDataViewToDoc = [this] { view.MoveDataViewToDoc(); };
        app.backupFolder = dir.File("backups");
        SetMessageHookForTesting([this](QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages.push_back(text);
            return QMessageBox::Ok;
        });
    }
    void TearDown() override { SetMessageHookForTesting({}); }

    App app{TestIdentity({.phonebookPart = "1"})};
    RecordingView view;
    TempDir dir;
    std::vector<QString> messages;
};

TEST_F(PhoneBookCommands, ImportReplacesThePhoneBookAndRefreshesTheView)
{
    const std::string file = dir.File("book.txt");
    WriteFileBytes(file, "Meier Hans\tBerlin\t030 1234\rAnna\t\t(089) 55\r");
    app.data.SetDialNameName(7, "Old");
    app.data.SetDialNameMsn(7, "1");
    WhenModalShown<CDlgE_Import>([&](CDlgE_Import& dialog) {
        dialog.FileName()->setText(QString::fromStdString(file));
        dialog.Prefix()->setText(QStringLiteral("0"));
        dialog.accept();
    });
    OnPhoneBookImport(nullptr, app);
    EXPECT_EQ(app.data.GetDialNameName(0), "Anna");
    EXPECT_EQ(app.data.GetDialNameMsn(0), "0089");
    EXPECT_EQ(app.data.GetDialNameName(1), "Meier Hans");
    EXPECT_EQ(app.data.GetDialNameMsn(1), "0030");
    EXPECT_TRUE(app.data.dialName.entry[7].IsEmpty());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ViewToDoc", "DocToView"}));
    // The result names the copy of the document as it was before.
    ASSERT_EQ(messages.size(), 1u);
    const std::string prefix = "2 Einträge übernommen. Sicherungskopie des Dokuments vor dem Import: ";
    const std::string message = messages[0].toStdString();
    ASSERT_TRUE(message.starts_with(prefix + dir.File("backups/"))) << message;
    EXPECT_EQ(ProfileValue(message.substr(prefix.size()), "DialName_1", "Name"), "Old");
}

TEST_F(PhoneBookCommands, AnImportThatFindsNothingSaysSoAndKeepsThePhoneBook)
{
    const std::string file = dir.File("book.txt");
    WriteFileBytes(file, "Meier Hans\t030 1234\r");
    app.data.SetDialNameName(0, "Kept");
    app.data.SetDialNameMsn(0, "1");
    const CData_All before = app.data;
    WhenModalShown<CDlgE_Import>([&](CDlgE_Import& dialog) {
        dialog.FileName()->setText(QString::fromStdString(file));
        dialog.accept(); // the number is looked for in column 3
    });
    OnPhoneBookImport(nullptr, app);
    EXPECT_EQ(app.data, before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Das Telefonbuch bleibt, wie es war."))) << messages[0].toStdString();
}

TEST_F(PhoneBookCommands, CancelledImportOrSaveQuestionChangesNothing)
{
    app.doc.askSaveChanges = [](const std::string&) { return CQ410CfDoc::Answer::Cancel; };
    int pageStores = 0;
    app.doc.moveDataViewToDoc = [&] { ++pageStores; };
    app.data.SetDialNameName(0, "Kept");
    app.data.SetDialNameMsn(0, "1");
    const CData_All before = app.data;
    const std::string file = dir.File("book.txt");
    WriteFileBytes(file, "Meier\tx\t030\r");

    WhenModalShown<CDlgE_Import>([](CDlgE_Import& dialog) { dialog.reject(); });
    OnPhoneBookImport(nullptr, app);
    EXPECT_EQ(app.data, before);
    EXPECT_TRUE(view.calls.empty());

    WhenModalShown<CDlgE_Import>([&](CDlgE_Import& dialog) {
        dialog.FileName()->setText(QString::fromStdString(file));
        dialog.accept();
    });
    OnPhoneBookImport(nullptr, app);
    EXPECT_EQ(app.data, before);
    // The active page is stored once, by the document's question.
    EXPECT_EQ(pageStores, 1);
    EXPECT_TRUE(view.calls.empty());

    OnPhoneBookTestData(nullptr, app);
    EXPECT_EQ(app.data, before);
}

TEST_F(PhoneBookCommands, TestDataFillsEveryEntryUnsorted)
{
    OnPhoneBookTestData(nullptr, app);
    EXPECT_EQ(app.data.GetDialNameName(0), "000--012345678901234");
    EXPECT_EQ(app.data.GetDialNameMsn(199), "199 Abcdefghijklmnop");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ViewToDoc", "DocToView"}));
}

TEST_F(PhoneBookCommands, ExportWritesTheChosenFileOrSaysWhyNot)
{
    app.data.SetDialNameName(0, "Anna");
    app.data.SetDialNameMsn(0, "111");
    app.data.SetDialNameName(1, "NoNumber");
    const std::string file = dir.File("out");
    WhenModalShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(QString::fromStdString(file));
        static_cast<QDialog&>(dialog).accept(); // the file dialog's own check runs
        if (dialog.isVisible())
            dialog.reject();
    });
    OnPhoneBookExport(nullptr, app);
    EXPECT_EQ(ReadFileBytes(file + ".txt"), "Anna\t111\r\n");
    EXPECT_TRUE(messages.empty());

    WhenModalShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(QString::fromStdString(dir.File("missing/out.txt")));
        static_cast<QDialog&>(dialog).accept(); // the file dialog's own check runs
        if (dialog.isVisible())
            dialog.reject();
    });
    OnPhoneBookExport(nullptr, app);
    EXPECT_EQ(messages.size(), 1u);
}
