// SPDX-License-Identifier: GPL-3.0-or-later
// START, the abort, the reset and the restart of an unfinished download.
#include "DownloadDialog.h"

#include "DialogText.h"
#include "FirmwareHints.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace dialogtext;

void DownloadDialog::OnStart()
{
    Trace("OnStart()");
    if (!OpenPort())
        return;
    m_link.DropReceived();
    const int keys = m_hardwareFlag ? IDS_FW_TEXT_START_KEYS_Q38 : IDS_FW_TEXT_START_KEYS;
    const QString text = Text(IDS_FW_TEXT_CONNECT) + "COM " + QString::number(m_port) + FileDuration(keys);
    if (!AskToStart(Text(IDS_FW_CAPTION_ATTENTION), text)) {
        Ask(QMessageBox::Information, Text(IDS_FW_CAPTION_NOT_STARTED), Text(IDS_FW_TEXT_NOT_STARTED),
            QMessageBox::Ok);
        return;
    }
    ShowStarted();
    // A telephone started while the box was open has greeted by now.
    m_link.ReleaseReceived();
}

// The port is open while the user reads the box, so that nothing the
// telephone sends meanwhile is lost; it is acted on only after OK.
bool DownloadDialog::AskToStart(const QString& caption, const QString& text)
{
    m_link.HoldReceived();
    if (Ask(QMessageBox::Warning, caption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        return true;
    ClosePort();
    return false;
}

QString DownloadDialog::FileDuration(int textId) const
{
    return Utf8(WithFileDuration(FwString(textId), m_link.Image().ImageLength()).c_str());
}

void DownloadDialog::ShowStarted()
{
    m_start->setText(Text(IDS_FW_TEXT_STARTED));
    m_start->setEnabled(false);
}

// The telephone half loaded must be loaded again: the file stays for it.
void DownloadDialog::OnAbort()
{
    Trace("OnAbort()");
    const bool telephoneChanged = m_link.Protocol().LinesGoingOut();
    StopDownload();
    if (telephoneChanged)
        Ask(QMessageBox::Warning, Text(IDS_FW_CAPTION_CANCELLED),
            Text(IDS_FW_TEXT_CANCELLED) + "\n\n" + Text(IDS_FW_TEXT_CANCELLED_WINDOW), QMessageBox::Ok);
}

void DownloadDialog::ResetValuesAndDialog()
{
    Trace("ResetValuesAndDialog()");
    m_link.ClearFirmware();
    for (QLabel* field : {m_currentFile, m_fileVersion})
        field->setText(Text(IDS_FW_TEXT_UNKNOWN));
    StopDownload();
}

// Whatever runs on the port ends; a loaded file is offered again.
void DownloadDialog::StopDownload()
{
    SetPortCommandsEnabled(true);
    m_phoneVersion->setText(Text(IDS_FW_TEXT_UNKNOWN));
    m_received->clear();
    m_sent->clear();
    m_start->setText(Text(IDS_FW_TEXT_START));
    m_start->setEnabled(m_link.HasFirmware());
    m_progress->setValue(0);
    m_link.Protocol().Reset(); // also stops the protocol's timers
    ClosePort();
    m_link.RewindFirmware();
    RefreshFields();
}

bool DownloadDialog::SafeRecoveryLoad()
{
    Trace("SafeRecoveryLoad()");
    m_currentFile->setText(PathText(m_settings.GetText("File", "LastName")));
    // An image without its identification records is dropped silently: there
    // is nothing the user could fix at this point. A file that is gone is reported.
    if (!LoadFile(m_settings.GetText("File", "LastPath"), false))
        return false;
    QTimer::singleShot(0, this, [this] { SafeRecoveryStart(); });
    return true;
}

void DownloadDialog::SafeRecoveryStart()
{
    Trace("SafeRecoveryStart()");
    if (!OpenPort()) {
        ResetValuesAndDialog();
        return;
    }
    const QString text = Text(IDS_FW_TEXT_SAFE_RECOVERY) + "COM " + QString::number(m_port) +
                         FileDuration(IDS_FW_TEXT_SAFE_RECOVERY_END);
    if (!AskToStart(Text(IDS_FW_CAPTION_SAFE_RECOVERY), text)) {
        m_settings.WriteInt("Download", "Active ", 0);
        ResetValuesAndDialog();
        return;
    }
    ShowStarted();
    m_link.ReleaseReceived();
}
