// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window program, its about box and its help.
#include "CAboutDlg.h"
#include "CHelpWindow.h"
#include "ChildProcess.h"
#include "QtTranslations.h"
#include "ShellTestEnvironment.h"
#include "TestSupport.h"
#include "WindowProgram.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sstream>

// Started from a file manager nobody reads stderr: the reason is shown in a
// box as well, and the start ends with status 2.
TEST(StartUp, DocumentThatCannotBeOpenedEndsTheProgram)
{
    ShellTestEnvironment env;
    std::ostringstream err;
    EXPECT_EQ(RunMainWindow(env.app, QString::fromStdString(env.File("fehlt.mv8")), err), 2);
    ASSERT_EQ(env.messages.size(), 1u);
    const ShownMessage& box = env.messages.front();
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.caption, "Systemtelefon MV850");
    EXPECT_TRUE(box.text.startsWith(QString::fromUtf8("Das Dokument kann nicht geöffnet werden.")));
    EXPECT_EQ(err.str(), "mvconf: " + box.text.toStdString() + "\n");
    EXPECT_NE(err.str().find("fehlt.mv8"), std::string::npos);
    // A program that never ran leaves the user's settings alone.
    EXPECT_FALSE(FileExists(env.File("mvconf.ini")));
}

TEST(StartUp, WithoutADisplayTheWindowProgramsSaySoInGerman)
{
    TempDir dir;
    const std::vector<std::string> noDisplay{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=",
                                             "XDG_CONFIG_HOME=" + dir.Path()};
    for (const std::string& program : {MvconfPath(), FwloadPath()}) {
        const ProcessResult result = RunProcess({program}, 20000, noDisplay);
        EXPECT_EQ(result.status, 2) << program << result.err;
        EXPECT_NE(result.err.find("braucht eine grafische Anzeige"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    }
}

TEST(StartUp, QtsOwnTextsAndTheButtonsSpeakGerman)
{
    ASSERT_TRUE(InstallTranslations(*qApp)) << "qt6-translations-l10n is missing";
    EXPECT_EQ(QKeySequence(QStringLiteral("Ctrl+N")).toString(QKeySequence::NativeText), "Strg+N");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
    QMessageBox box(QMessageBox::Question, "Titel", "Text",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

TEST(StartUp, AboutBoxNamesProgramVersionAndLicence)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Info über Systemtelefon MV850"));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Konfigurationsprogramm"));
    EXPECT_TRUE(texts.contains("Systemtelefon MV850, Version 1.00"));
    EXPECT_TRUE(texts.filter("GPL-3.0-or-later").size() == 1);
}

TEST(StartUp, HelpOpensAtTheOverviewTopic)
{
    CHelpWindow help;
    help.GoToTopic(1000);
    EXPECT_EQ(help.Browser()->source().fragment(), "1000");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Datenaustausch"));
}
