// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTransfer.h"

#include "PortErrorText.h"
#include "Trace.h"
#include "TransferBackup.h"
#include "TransferTexts.h"

BenchTransfer::BenchTransfer(BenchBoard& board, int row, int mode, const CData_All& document,
                             const CDerivat& switches, int port, const std::string& device, std::string howToName)
    : m_board(board), m_row(row), m_mode(mode), m_howToName(std::move(howToName)), m_transfer(document),
      m_written(document)
{
    const std::string traceName = TraceNameOfDevice(device);
    // The link traces from its first state on: into this telephone's file.
    const TraceChannel channel(traceName);
    m_runner = std::make_unique<CTransferRunner>(mode, m_transfer, m_written, switches, m_host);
    m_runner->SetPort(port, device);
    m_runner->TraceInto(traceName);
    m_runner->KeepBackupsIn(DefaultBackupFolder());
    // The pauses before the handshake answer and the end record must not
    // hold the other telephones.
    m_host.SetPausesWithTimer(true);
    m_host.onTimer = [this](int id) { m_runner->OnTimer(id); };
    m_runner->onChange = [this] { OnChange(); };
}

void BenchTransfer::Start()
{
    m_runner->Start();
}

void BenchTransfer::Cancel()
{
    if (m_board.IsRunning(m_row))
        m_runner->Cancel();
}

void BenchTransfer::OnChange()
{
    using Status = CTransferRunner::Status;
    using Result = BenchBoard::Result;
    switch (m_runner->GetStatus()) {
    case Status::Idle:
        return;
    case Status::Running:
        m_board.SetState(m_row, m_runner->Link()->StateGet() == FirstStateOfMode(m_mode) ? "wartet auf Telefon"
                                                                                          : "sendet");
        m_board.SetPercent(m_row, m_runner->Progress());
        return;
    case Status::Succeeded:
        Succeeded();
        return;
    case Status::Failed:
        m_board.Finish(m_row, Result::Failed, FailureReason());
        return;
    case Status::PortFailed:
        m_board.Finish(m_row, Result::PortFailed, PortOpenFailureReason(m_runner->Port(), m_howToName));
        return;
    case Status::Cancelled:
        m_board.Finish(m_row, Result::Cancelled, kBenchInterrupted);
        return;
    }
}

// The one place where a telephone has taken the document.
void BenchTransfer::Succeeded()
{
    m_board.Finish(m_row, BenchBoard::Result::Succeeded, BackupNotice(m_runner->Backup()));
}

// A pulled adapter says all there is to say; otherwise the mode's failure and why.
std::string BenchTransfer::FailureReason() const
{
    const std::string cause = m_runner->FailureCause();
    if (m_runner->Port().DeviceGone())
        return cause;
    return TransferFailureText(m_mode) + (cause.empty() ? "" : " " + cause);
}
