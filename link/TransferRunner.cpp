// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferRunner.h"

#include "CData_All.h"
#include "Trace.h"
#include "TransferTexts.h"


namespace {

// The steps the transfer window has always traced keep its name; what the
// runner adds on its own is traced under the runner's.
void Trace(std::string_view message)
{
    TraceLine("CDlg_SioTrans", message);
}

} // namespace

class CTransferRunner::OwnScope {
public:
    explicit OwnScope(const CTransferRunner& runner) : m_channel(runner.m_traceName) {}

private:
    TraceChannel m_channel;
};

int FirstStateOfMode(int mode)
{
    switch (mode) {
    case MODE_WRITE_CFG: return CTrans::STATE_WRITE_CFG;
    case MODE_READ_CFG: return CTrans::STATE_READ_CFG;
    case MODE_WRITE_DIALNAME: return CTrans::STATE_WRITE_DIALNAME;
    case MODE_READ_DIALNAME: return CTrans::STATE_READ_DIALNAME;
    default: return CTrans::STATE_IDLE;
    }
}

CTransferRunner::CTransferRunner(int mode, CData_All& transferCopy, CData_All& documentData, const CDerivat& switches,
                                 ITransferHost& host)
    : m_mode(mode), m_requestedMode(mode), m_transferCopy(transferCopy), m_documentData(documentData), m_host(host)
{
    m_trans = std::make_unique<CTrans>(m_transferCopy, switches, m_sio, m_host);
    m_sio.SetParams(kPortSettings);
}

CTransferRunner::~CTransferRunner()
{
    *m_alive = false;
    m_host.KillTimer(kPollTimer);
    m_sio.Close();
}

void CTransferRunner::SetPort(int portNumber, std::string devicePath)
{
    m_sio.SetPortNumber(portNumber);
    m_sio.SetDevicePath(std::move(devicePath));
}

void CTransferRunner::TraceInto(std::string traceName)
{
    m_traceName = std::move(traceName);
}

bool CTransferRunner::Start()
{
    const OwnScope scope(*this);
    Trace("Link_Init_Trans()");
    if (!m_sio.Open(this)) {
        m_mode = MODE_PORT_FAILED;
        Finish(Status::PortFailed);
        return false;
    }
    m_sio.SetFlowRtsCts(1);
    m_sio.SetDtr(1);
    m_status = Status::Running;
    m_telephoneTookPart = false;
    m_trans->StateSet(FirstStateOfMode(m_mode));
    m_host.SetTimer(kPollTimer, kPollMs);
    Notify();
    return true;
}

bool CTransferRunner::Repeat()
{
    return m_status == Status::Failed && Start();
}

void CTransferRunner::Cancel()
{
    const OwnScope scope(*this);
    Trace("OnSiotransCancel() Beg.");
    m_host.KillTimer(kPollTimer);
    if (m_status == Status::Running) {
        m_telephoneTookPart = LinkReachedTelephone();
        Trace("OnSiotransCancel() StateSet call.");
        m_trans->StateSet(CTrans::STATE_ABORT);
        Trace("OnSiotransCancel() StateSet done.");
    }
    m_sio.Close();
    Trace("OnSiotransCancel() Close done.");
    m_failedBeforeCancel = m_status == Status::Failed;
    m_status = Status::Cancelled;
    Trace("OnSiotransCancel() End.");
    Notify();
}

void CTransferRunner::OnTimer(int id)
{
    const OwnScope scope(*this);
    if (id == kPollTimer)
        Poll();
    else
        m_trans->OnTimer(id);
}

int CTransferRunner::Progress() const
{
    const int p = m_trans->GetProgress();
    return p < 0 ? 0 : p > 100 ? 100 : p;
}

void CTransferRunner::Poll()
{
    if (m_status != Status::Running)
        return;
    const int state = m_trans->StateGet();
    // A pulled adapter would only show as a telephone that stopped answering.
    if (m_sio.DeviceGone() && state != CTrans::STATE_END) {
        m_telephoneTookPart = LinkReachedTelephone();
        m_trans->StateSet(CTrans::STATE_ERR);
        Finish(Status::Failed);
    } else if (state == CTrans::STATE_END) {
        TakeOver();
        Finish(Status::Succeeded);
    } else if (state == CTrans::STATE_ERR) {
        m_telephoneTookPart = LinkReachedTelephone();
        Finish(Status::Failed);
    } else {
        Notify();
    }
}

// The copy is kept before anyone is told of the success, so that a caller
// whose own save fails still finds the data in it. A copy that cannot be
// written does not fail the transfer.
void CTransferRunner::TakeOver()
{
    m_documentData = m_transferCopy;
    m_documentData.Validate(m_trans->Switches());
    if (m_backupFolder.empty())
        return;
    const bool reads = m_requestedMode == MODE_READ_CFG || m_requestedMode == MODE_READ_DIALNAME;
    const bool phoneBook = m_requestedMode == MODE_READ_DIALNAME || m_requestedMode == MODE_WRITE_DIALNAME;
    const BackupPart part = phoneBook ? BackupPart::PhoneBook : BackupPart::Configuration;
    m_backup = KeepTransferBackup(m_documentData, m_trans->Switches(), part, reads ? BackupWay::Read : BackupWay::Sent,
                                  m_backupFolder);
    TraceLine("CTransferRunner", "KeepBackup() " + BackupNotice(m_backup));
}

// Past the handshake: from then on a write changes the telephone.
bool CTransferRunner::LinkReachedTelephone() const
{
    if (m_trans->StateGet() != CTrans::STATE_ERR)
        return m_trans->StateGet() != FirstStateOfMode(m_mode);
    const CTrans::Failure failure = m_trans->LastFailure();
    return failure != CTrans::Failure::NoReadyFrame && failure != CTrans::Failure::WrongReadyFrame;
}

std::string CTransferRunner::FailureCause() const
{
    return TransferFailureCause(m_trans->LastFailure(), m_sio.DeviceGone());
}

void CTransferRunner::Finish(Status status)
{
    m_host.KillTimer(kPollTimer);
    m_sio.Close();
    m_status = status;
    Notify();
}

void CTransferRunner::Notify()
{
    if (onChange)
        onChange();
}

void CTransferRunner::PostCommNotify(int notice)
{
    std::weak_ptr<bool> alive = m_alive;
    m_host.Post([this, alive, notice] {
        if (auto token = alive.lock(); token && *token)
            OnCommNotify(notice);
    });
}

void CTransferRunner::OnCommNotify(int notice)
{
    const OwnScope scope(*this);
    if (notice == CN_RECEIVE && m_sio.IsOpen())
        m_trans->OnRxL1();
}
