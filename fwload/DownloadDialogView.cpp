// SPDX-License-Identifier: GPL-3.0-or-later
// What the download protocol shows and asks through the dialog.
#include "DownloadDialog.h"

#include "DialogText.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QLabel>

using namespace dialogtext;

// ---------------------------------------------------------------- IDownloadView

void DownloadDialog::ShowMessage(int textId, int captionId, Icon icon, const std::string& detail)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Error     ? QMessageBox::Critical
                                      : icon == Icon::Warning ? QMessageBox::Warning
                                                              : QMessageBox::Information;
    const QString text = Text(textId) + (detail.empty() ? QString() : "\n\n" + Utf8(detail.c_str()));
    Ask(boxIcon, Text(captionId), text, QMessageBox::Ok);
}

bool DownloadDialog::AskYesNo(int textId, int captionId)
{
    return Ask(QMessageBox::Question, Text(captionId), Text(textId), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void DownloadDialog::ResetDialog()
{
    ResetValuesAndDialog();
}

void DownloadDialog::RefreshFields()
{
    const CDownloadProtocol& protocol = m_link.Protocol();
    m_timeouts->setText(QString::number(protocol.TimeoutCount()));
    m_naks->setText(QString::number(protocol.NakCount()));
    m_percent->setText(QString::number(protocol.Percent()));
    m_progress->setValue(protocol.Percent());
}

// The bar follows the percent field, so it moves for a small image too.
void DownloadDialog::StepProgress()
{
    m_progress->setValue(m_link.Protocol().Percent());
}

void DownloadDialog::ShowReceived(const std::string& text)
{
    m_received->setText(Bytes(text));
}

void DownloadDialog::ShowSent(const std::string& text)
{
    m_sent->setText(Bytes(text));
}

void DownloadDialog::ShowPhoneVersion(const std::string& text)
{
    m_phoneVersion->setText(Bytes(text));
}

void DownloadDialog::SetDownloadActive(int active)
{
    m_settings.WriteInt("Download", "Active ", active);
}

void DownloadDialog::DisablePortCommands()
{
    SetPortCommandsEnabled(false);
}

// The next telephone may hang on another port.
void DownloadDialog::DownloadEnded()
{
    m_start->setText(Text(IDS_FW_TEXT_START));
    m_start->setEnabled(true);
    m_progress->setValue(0);
    ClosePort();
    SetPortCommandsEnabled(true);
}

void DownloadDialog::StartTimer(int id, int periodMs)
{
    m_link.StartTimer(id, periodMs);
}

void DownloadDialog::StopTimer(int id)
{
    m_link.StopTimer(id);
}
