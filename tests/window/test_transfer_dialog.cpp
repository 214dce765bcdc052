// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window against the simulated telephone, and against a bare
// pseudo-terminal where the test must see exactly what the PC put on the line.
#include "CDlg_SioTrans.h"
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "CSio.h"
#include "ChildProcess.h"
#include "LinkFakes.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "PtyLine.h"
#include "ShellTestEnvironment.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

constexpr int kGuardMs = 30000;

class TransferDialog : public ::testing::Test {
protected:
    TransferDialog()
    {
        SetBeepHookForTesting([this] { ++beeps; });
        document.cfg.basic.LoudBox = 2;
        document.cfg.msnPara[0].Msn = "111";
        transfer = document;
    }
    ~TransferDialog() override { SetBeepHookForTesting({}); }

    // Runs the window modally; a guard ends it should the telephone not finish.
    static int Exec(CDlg_SioTrans& dlg)
    {
        QTimer::singleShot(kGuardMs, &dlg, &QDialog::reject);
        return dlg.exec();
    }

    // A document file for the telephone to start with.
    std::string PhoneDocument()
    {
        CData_All phoneData, saved;
        CQ410CfDoc doc(phoneData, saved, TestIdentity());
        doc.OnNewDocument();
        phoneData.cfg.basic.LoudBox = 5;
        phoneData.cfg.msnPara[0].Msn = "3012345";
        std::string error;
        const std::string path = dir.File("telefon.mv8");
        EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
        return path;
    }

    // The telephone gives up waiting for the ready frame at once.
    static void FailReadyWait(CDlg_SioTrans& dlg)
    {
        dlg.OnTimer(CTrans::M_TRANS_WAITRDY_TIMER);
        dlg.OnTimer(CTransferRunner::kPollTimer);
    }

    const CDerivat switches = TestSwitches();
    TempDir dir;
    CData_All document;
    CData_All transfer;
    int beeps = 0;
};

TEST_F(TransferDialog, AReadConfigurationReplacesTheDocumentData)
{
    SimulatedTelephone phone({"--load", PhoneDocument(), "--sessions", "1", "--firmware", "V3.04"});
    transfer.ResetCfg();
    CDlg_SioTrans dlg(MODE_READ_CFG, transfer, document, switches, 2, phone.Device());
    ASSERT_EQ(Exec(dlg), QDialog::Accepted);
    EXPECT_EQ(document.cfg.basic.LoudBox, 5);
    EXPECT_EQ(document.cfg.msnPara[0].Msn, "3012345");
    EXPECT_EQ(document.cfg.basic.SwVers, "V3.04");
    EXPECT_EQ(dlg.ProgressValue(), 100);
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(dlg.Runner().Port().IsOpen());
}

namespace {

// The main window whose transfer commands open the transfer window itself.
struct WindowWithTransfers {
    WindowWithTransfers()
    {
        frame.Docs().NewWithoutQuestion();
        environment.app.runTransfer = [this](int mode) { environment.app.RunTransferWindow(mode); };
    }

    ShellTestEnvironment environment;
    CMainFrame frame{environment.app};
};

} // namespace

// A read in the window keeps the copy the command line keeps, and the status
// bar says where. A copy that cannot be written does not fail the read: the
// status bar and the trace say so.
TEST_F(TransferDialog, AReadInTheWindowKeepsACopyAndSaysWhere)
{
    WindowWithTransfers shell;
    ShellTestEnvironment& environment = shell.environment;
    App& app = shell.environment.app;
    CMainFrame& frame = shell.frame;
    QTimer guard; // should the telephone not finish
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
    guard.start(kGuardMs);
    const std::string phoneDocument = PhoneDocument();
    auto readFromTelephone = [&](const char* firmware) {
        SimulatedTelephone phone({"--load", phoneDocument, "--sessions", "1", "--firmware", firmware});
        WriteFileBytes(app.profilePath, "[Ports]\r\nCOM2=" + phone.Device() + "\r\n");
        app.DoRxCfg();
    };

    readFromTelephone("V3.04");
    EXPECT_EQ(app.data.cfg.basic.LoudBox, 5);
    const std::string notice = frame.statusBar()->currentMessage().toStdString();
    const std::string prefix = "Sicherungskopie der gelesenen Daten: " + environment.File("backups/");
    ASSERT_TRUE(notice.starts_with(prefix)) << notice;
    CProfileFile copy;
    std::string error;
    ASSERT_EQ(copy.Load(notice.substr(notice.find(": ") + 2), error), CProfileFile::LoadStatus::Loaded) << error;
    EXPECT_EQ(copy.GetString("Basic", "LoudBox"), "5");

    TraceCapture trace;
    app.backupFolder = phoneDocument + "/backups"; // a file stands where the folder would go
    environment.answer = QMessageBox::No;
    readFromTelephone("V3.05");
    EXPECT_EQ(app.data.cfg.basic.SwVers, "V3.05");
    const std::string failure = frame.statusBar()->currentMessage().toStdString();
    EXPECT_TRUE(failure.starts_with("Keine Sicherungskopie der gelesenen Daten angelegt: ")) << failure;
    EXPECT_TRUE(trace.Contains("CTransferRunner: KeepBackup() " + failure));
}

// The window tells where and why a transfer failed, and what a cancelled
// write left in the telephone; the status bar keeps no older line.
TEST_F(TransferDialog, AFailedOrCancelledWriteSaysWhereWhyAndWhatTheTelephoneHolds)
{
    WindowWithTransfers shell;
    ShellTestEnvironment& environment = shell.environment;
    App& app = shell.environment.app;
    CMainFrame& frame = shell.frame;
    PtyLine line;
    WriteFileBytes(app.profilePath, "[Ports]\r\nCOM2=" + line.Device() + "\r\n");
    std::string greeting;
    QString reason;
    QTimer telephone; // greets once the port is open, and the user cancels once the write runs
    QObject::connect(&telephone, &QTimer::timeout, [&] {
        auto* dlg = qobject_cast<CDlg_SioTrans*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        if (!greeting.empty())
            line.Write(std::exchange(greeting, {}));
        else if (dlg->RepeatOffered() && reason.isEmpty())
            reason = dlg->ReasonText();
        else if (const int state = dlg->Runner().Link()->StateGet();
                 dlg->RepeatOffered() || (state != CTrans::STATE_WRITE_CFG && state != CTrans::STATE_ERR))
            dlg->CancelButton()->click();
    });
    telephone.start(20);

    greeting = TelephoneFrame("TRANS Q410 QL410 V3.20");
    app.DoTxCfg();
    ASSERT_EQ(environment.messages.size(), 1u);
    EXPECT_TRUE(environment.messages[0].text.contains("erst einen Teil der neuen Konfiguration"))
        << environment.messages[0].text.toStdString();
    EXPECT_EQ(frame.statusBar()->currentMessage(), QString::fromUtf8("Übertragung abgebrochen."));

    frame.statusBar()->showMessage(QStringLiteral("Sicherungskopie der gesendeten Daten: alt.mv8"));
    greeting = TelephoneFrame("ATZ");
    app.DoTxCfg();
    EXPECT_TRUE(reason.contains(QString::fromStdString("COM 2, Gerät " + line.Device()))) << reason.toStdString();
    EXPECT_TRUE(reason.contains(QStringLiteral("kein Systemtelefon"))) << reason.toStdString();
    EXPECT_FALSE(reason.contains(QStringLiteral("Teil"))); // the telephone never took part
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Fehler beim Senden der Konfiguration!"));
    EXPECT_EQ(environment.messages.size(), 1u);
}

TEST_F(TransferDialog, AWrittenConfigurationComesBackWithTheTelephonesVersion)
{
    const std::string onPhone = dir.File("geschrieben.mv8");
    SimulatedTelephone phone({"--save", onPhone, "--sessions", "1", "--firmware", "V3.04"});
    transfer.cfg.basic.LoudBox = 6; // the document itself still says 2
    CDlg_SioTrans dlg(MODE_WRITE_CFG, transfer, document, switches, 2, phone.Device());
    ASSERT_EQ(Exec(dlg), QDialog::Accepted);
    EXPECT_EQ(document.cfg.basic.LoudBox, 6);
    EXPECT_EQ(document.cfg.basic.SwVers, "V3.04");
    ASSERT_EQ(phone.Wait(5000), 0);
    CProfileFile saved;
    std::string error;
    saved.Load(onPhone, error);
    EXPECT_EQ(saved.GetString("Basic", "LoudBox"), "6");
}

TEST_F(TransferDialog, AFailureOffersARepeatAndKeepsTheDocument)
{
    SimulatedTelephone phone({"--silent"});
    CDlg_SioTrans dlg(MODE_READ_CFG, transfer, document, switches, 2, phone.Device());
    dlg.show();
    EXPECT_EQ(dlg.StatusText(), QStringLiteral("Lese Konfiguration, bitte warten."));
    EXPECT_FALSE(dlg.RepeatOffered());
    EXPECT_TRUE(dlg.Runner().Port().IsOpen());

    FailReadyWait(dlg);
    EXPECT_EQ(dlg.StatusText(), QStringLiteral("Fehler beim Lesen der Konfiguration!"));
    EXPECT_TRUE(dlg.ReasonText().contains(QStringLiteral("nicht innerhalb von 10 Sekunden"))) << dlg.ReasonText().toStdString();
    EXPECT_TRUE(dlg.RepeatOffered());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(dlg.Runner().Port().IsOpen());
    EXPECT_EQ(document.cfg.basic.LoudBox, 2);

    QTest::mouseClick(dlg.RepeatButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.Runner().GetStatus(), CTransferRunner::Status::Running);
    EXPECT_EQ(dlg.StatusText(), QStringLiteral("Lese Konfiguration, bitte warten."));
    EXPECT_FALSE(dlg.RepeatOffered());
    EXPECT_EQ(dlg.ProgressValue(), 0);
    EXPECT_TRUE(dlg.Runner().Port().IsOpen());

    FailReadyWait(dlg);
    EXPECT_EQ(beeps, 2);
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(document.cfg.basic.LoudBox, 2);
}

TEST_F(TransferDialog, EachModeTellsWhatItDoesAndWhatFailed)
{
    const struct {
        int mode;
        const char* running;
        const char* failed;
    } modes[] = {
        {MODE_WRITE_CFG, "Sende Konfiguration, bitte warten.", "Fehler beim Senden der Konfiguration!"},
        {MODE_WRITE_DIALNAME, "Sende Telefonbuch, bitte warten.", "Fehler beim Senden des Telefonbuchs!"},
        {MODE_READ_DIALNAME, "Lese Telefonbuch, bitte warten.", "Fehler beim Lesen des Telefonbuchs!"},
    };
    PtyLine line;
    for (const auto& m : modes) {
        CDlg_SioTrans dlg(m.mode, transfer, document, switches, 2, line.Device());
        dlg.show();
        EXPECT_EQ(dlg.StatusText(), QString::fromUtf8(m.running));
        FailReadyWait(dlg);
        EXPECT_EQ(dlg.StatusText(), QString::fromUtf8(m.failed));
    }
}

TEST_F(TransferDialog, CancelSendsTheEndRecordOnlyWhileTheLinkRuns)
{
    PtyLine line;
    {
        CDlg_SioTrans dlg(MODE_READ_CFG, transfer, document, switches, 2, line.Device());
        dlg.show();
        QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
        EXPECT_EQ(line.Received(), TelephoneFrame(":00000001"));
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_FALSE(dlg.Runner().Port().IsOpen());
    }
    CDlg_SioTrans dlg(MODE_READ_CFG, transfer, document, switches, 2, line.Device());
    dlg.show();
    FailReadyWait(dlg);
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(line.Received(200), "");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(document.cfg.basic.LoudBox, 2);
}

// Escape ends the window without a word to the telephone, and what the link
// does until the window is gone must not reach the document.
TEST_F(TransferDialog, EscapeEndsTheWindowWithoutTakingDataOver)
{
    PtyLine line;
    CDlg_SioTrans dlg(MODE_WRITE_CFG, transfer, document, switches, 2, line.Device());
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    QTest::qWait(3 * CTransferRunner::kPollMs);
    EXPECT_EQ(line.Received(100), "");
    EXPECT_TRUE(dlg.PatternText().isEmpty()); // no poll ran after the window ended
    EXPECT_EQ(beeps, 0);
}

TEST_F(TransferDialog, APortThatCannotBeOpenedSaysWhyAndOffersNoRepeat)
{
    const std::string missing = dir.File("kein-geraet");
    CDlg_SioTrans dlg(MODE_READ_CFG, transfer, document, switches, 3, missing);
    dlg.show();
    EXPECT_EQ(dlg.Runner().Mode(), MODE_PORT_FAILED);
    EXPECT_EQ(dlg.StatusText(), QStringLiteral("Com Port konnte nicht geöffnet werden!"));
    EXPECT_TRUE(dlg.ReasonText().contains(QStringLiteral("nicht vorhanden")));
    EXPECT_TRUE(dlg.ReasonText().contains(QString::fromStdString(missing)));
    EXPECT_FALSE(dlg.RepeatOffered());
    EXPECT_EQ(beeps, 1);
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);

    SimulatedTelephone phone({"--silent"});
    const PortHolder holder(phone.Device());
    ASSERT_TRUE(holder.IsOpen());
    CDlg_SioTrans busy(MODE_READ_CFG, transfer, document, switches, 2, phone.Device());
    busy.show();
    EXPECT_TRUE(busy.ReasonText().contains(QStringLiteral("anderes Programm"))) << busy.ReasonText().toStdString();
}

// The pattern runs forward while the telephone sends and backward while the
// PC sends, and keeps its place from one window to the next.
TEST_F(TransferDialog, ThePatternRunsInTheDirectionOfTheData)
{
    const QString pattern = QString::fromLatin1(CDlg_SioTrans::Pattern());
    ASSERT_EQ(pattern.size(), 64);
    PtyLine line;
    CDlg_SioTrans::SetPatternOffset(0);
    {
        CDlg_SioTrans reading(MODE_READ_CFG, transfer, document, switches, 2, line.Device());
        reading.show();
        for (int poll = 0; poll < 4; ++poll)
            reading.OnTimer(CTransferRunner::kPollTimer);
        EXPECT_EQ(reading.PatternText(), pattern.mid(3) + pattern.left(3));
    }
    EXPECT_EQ(CDlg_SioTrans::PatternOffset(), 4);
    CDlg_SioTrans::SetPatternOffset(0);
    CDlg_SioTrans writing(MODE_WRITE_CFG, transfer, document, switches, 2, line.Device());
    writing.show();
    writing.OnTimer(CTransferRunner::kPollTimer);
    writing.OnTimer(CTransferRunner::kPollTimer);
    EXPECT_EQ(writing.PatternText(), pattern.right(1) + pattern.left(63));
}

} // namespace
