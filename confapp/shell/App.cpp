// SPDX-License-Identifier: GPL-3.0-or-later
#include "App.h"

#include "CDlg_SioTrans.h"
#include "CQ410CfDoc.h"
#include "DocumentSections.h"
#include "MessageBoxes.h"
#include "ProfileStore.h"
#include "Trace.h"
#include "TransferBackup.h"
#include "TransferTexts.h"
#include "UserPaths.h"

#include <QMainWindow>
#include <QStatusBar>

#include <algorithm>

namespace {

const char* const kProgramTitle = "Systemtelefon MV850";

// Shown after the phone book was sent: the telephone needs time to take it in.
QString PhoneBookNotice()
{
    return QString::fromUtf8("Nach der Übertragung des Telefonbuchs kann es bis zu 5 Minuten \n"
                             "dauern, bis das Telefonbuch im Telefon verwendbar ist.\n"
                             "Während dieser Zeit sollte das Telefonbuch nicht erneut übertragen \n"
                             "werden, da es sonst zu Fehlfunktionen kommen kann!");
}

// The status bar after a transfer: where the copy went, or how it ended;
// never what an earlier transfer left there.
std::string TransferOutcomeLine(const CTransferRunner& runner)
{
    switch (runner.GetStatus()) {
    case CTransferRunner::Status::Succeeded:
        return runner.Backup().Tried() ? BackupNotice(runner.Backup()) : std::string();
    case CTransferRunner::Status::Cancelled:
        if (!runner.FailedBeforeCancel())
            return "Übertragung abgebrochen.";
        [[fallthrough]];
    case CTransferRunner::Status::Failed:
    case CTransferRunner::Status::PortFailed:
        return TransferFailureText(runner.Mode());
    case CTransferRunner::Status::Idle:
    case CTransferRunner::Status::Running:
        break;
    }
    return {};
}

} // namespace

App::App(const BuildIdentity& identity) : doc(data, saved, identity)
{
    runTransfer = [this](int mode) { RunTransferWindow(mode); };
}

void App::RunTransferWindow(int mode)
{
    CDlg_SioTrans dialog(mode, transfer, data, doc.Switches(), comPort, DeviceForPort(ProfilePath(), comPort),
                         mainFrame);
    dialog.Runner().KeepBackupsIn(BackupFolder());
    dialog.exec();
    const CTransferRunner& runner = dialog.Runner();
    const bool writes = mode == MODE_WRITE_CFG || mode == MODE_WRITE_DIALNAME;
    // What was read describes the telephone it came from, and so do the pages.
    if (runner.GetStatus() == CTransferRunner::Status::Succeeded && !writes)
        doc.TakeSwitches(runner.Link()->Switches());
    // After a failure the window has said it already.
    if (runner.GetStatus() == CTransferRunner::Status::Cancelled && !runner.FailedBeforeCancel() && writes &&
        runner.TelephoneTookPart())
        ShowMessage(mainFrame, QMessageBox::Warning, QString::fromUtf8(kProgramTitle),
                    QString::fromUtf8("Die Übertragung wurde abgebrochen. ") +
                        QString::fromStdString(PartlyWrittenNotice(mode, CDlg_SioTrans::AgainCommand(mode))));
    auto* frame = qobject_cast<QMainWindow*>(mainFrame);
    if (frame)
        frame->statusBar()->showMessage(QString::fromStdString(TransferOutcomeLine(runner)));
}

std::string App::BackupFolder() const
{
    return backupFolder.empty() ? DefaultBackupFolder() : backupFolder;
}

std::string App::ProfilePath() const
{
    return profilePath.empty() ? UserProfilePath("mvconf") : profilePath;
}

void App::ProfileSettingsGet()
{
    const CProfileFile profile = ProfileStore::Read(ProfilePath());
    comPort = ProfileStore::GetInt(profile, "Transfer", "ComPort", 2);
    x = ProfileStore::GetInt(profile, "Screen", "X", 20);
    y = ProfileStore::GetInt(profile, "Screen", "Y", 20);
    dx = ProfileStore::GetInt(profile, "Screen", "DX", 0);
    dy = ProfileStore::GetInt(profile, "Screen", "DY", 0);
    dx = std::max(dx, doc.Identity().minWidth);
    dy = std::max(dy, doc.Identity().minHeight);
    // The limit for Y is deliberately the smaller one: a window stored that far
    // down was most likely left there by a larger screen.
    if (x >= 3000 || y >= 300)
        x = y = 20;
    // Only COM1 to COM4 can be chosen; anything else would name a port the
    // data-exchange page cannot show.
    if (comPort < 1 || comPort > 4)
        comPort = 2;
}

void App::ProfileSettingsSet()
{
    ProfileStore::Update(ProfilePath(), [this](CProfileFile& profile) {
        ProfileStore::SetInt(profile, "Transfer", "ComPort", comPort);
        ProfileStore::SetInt(profile, "Screen", "X", x);
        ProfileStore::SetInt(profile, "Screen", "Y", y);
        ProfileStore::SetInt(profile, "Screen", "DX", dx);
        ProfileStore::SetInt(profile, "Screen", "DY", dy);
    });
}

void App::MoveViewToDoc()
{
    if (view)
        view->MoveDataViewToDoc();
}

void App::MoveDocToView()
{
    if (view)
        view->MoveDataDocToView();
}

void App::RunTransfer(int mode)
{
    if (runTransfer)
        runTransfer(mode);
}

void App::DoRxCfg()
{
    TraceLine("App", "DoRxCfg()");
    if (!doc.SaveModified())
        return;
    MoveViewToDoc();
    transfer = data;
    transfer.ResetCfg();
    RunTransfer(1);
    MoveDocToView();
}

void App::DoRxDialName()
{
    TraceLine("App", "DoRxDialName()");
    if (!doc.SaveModified())
        return;
    MoveViewToDoc();
    transfer = data;
    transfer.ResetDialName();
    RunTransfer(3);
    MoveDocToView();
}

bool App::MaySend(bool phoneBook) const
{
    const bool filled = phoneBook ? data.dialName != saved.dialName : data.cfg != saved.cfg;
    const std::string& name = doc.PathName().empty() ? doc.Title() : doc.PathName();
    const std::string warning = filled ? std::string() : MissingPartWarning(name, doc.PartsInFile(), phoneBook);
    if (warning.empty())
        return true;
    return ShowMessage(mainFrame, QMessageBox::Warning, QString::fromUtf8(kProgramTitle),
                       QString::fromStdString(warning) + QString::fromUtf8("\n\nTrotzdem senden?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void App::DoTxCfg()
{
    TraceLine("App", "DoTxCfg()");
    MoveViewToDoc();
    if (!MaySend(false))
        return;
    transfer = data;
    RunTransfer(0);
    MoveDocToView();
}

void App::DoTxDialName()
{
    TraceLine("App", "DoTxDialName()");
    MoveViewToDoc();
    if (!MaySend(true))
        return;
    transfer = data;
    RunTransfer(2);
    ShowMessage(mainFrame, QMessageBox::Information, QString::fromUtf8(kProgramTitle), PhoneBookNotice());
}
