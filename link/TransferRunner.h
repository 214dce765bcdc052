// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one transfer as the transfer window does, without drawing: opens the
// port, starts the mode's chain, polls it every 100 ms, takes the result
// over on success, offers a repeat after a failure and sends the end record
// on cancel.
#include "CSio.h"
#include "CTrans.h"
#include "Derivat.h"
#include "ITransferHost.h"
#include "TransferBackup.h"

#include <functional>
#include <memory>
#include <string>

class CData_All;

enum TransferMode : int {
    MODE_WRITE_CFG = 0,
    MODE_READ_CFG = 1,
    MODE_WRITE_DIALNAME = 2,
    MODE_READ_DIALNAME = 3,
    MODE_PORT_FAILED = 4, // the port could not be opened
};

class CTransferRunner : private ISioNotify {
public:
    static constexpr int kPollTimer = 4242;
    static constexpr int kPollMs = 100;
    static constexpr const char* kPortSettings = "9600,8N1";

    enum class Status { Idle, Running, Succeeded, Failed, PortFailed, Cancelled };

    // transferCopy is what the link sends from or receives into; on success
    // it becomes the document data. The link starts from switches (those of
    // the document) and keeps what its telephone reports (Link()->Switches()).
    CTransferRunner(int mode, CData_All& transferCopy, CData_All& documentData, const CDerivat& switches,
                    ITransferHost& host);
    ~CTransferRunner() override;
    CTransferRunner(const CTransferRunner&) = delete;
    CTransferRunner& operator=(const CTransferRunner&) = delete;

    // The device of the port; the port number only names it in messages.
    void SetPort(int portNumber, std::string devicePath);
    // Keeps a copy of what every successful read took over or write sent in
    // folder; none while it is empty, as it is at first.
    void KeepBackupsIn(std::string folder) { m_backupFolder = std::move(folder); }
    // For one of several telephones served at once: from now on the
    // transfer traces into its own file, named traceName (TraceChannel),
    // instead of the program's.
    void TraceInto(std::string traceName);

    // Opens the port and starts the chain; false (mode 4) when the port cannot be opened.
    bool Start();
    // After a failure: reopen the port and run the same chain again.
    bool Repeat();
    // Sends the end record when the chain is running, then closes.
    void Cancel();
    // Every timer of the host arrives here: the poll timer and the link timers.
    void OnTimer(int id);

    Status GetStatus() const { return m_status; }
    int Mode() const { return m_mode; }
    // The mode as started, kept when Mode() turned to 4.
    int RequestedMode() const { return m_requestedMode; }
    int Progress() const;
    const CSio& Port() const { return m_sio; }
    CTrans* Link() { return m_trans.get(); }
    const CTrans* Link() const { return m_trans.get(); }
    // After a failure: why, from what the link and the port saw (UTF-8);
    // empty when nothing more is known than the mode's failure text.
    std::string FailureCause() const;
    // Whether the telephone had taken part when the transfer failed or was
    // cancelled: a write may then have left part of the new data in it.
    bool TelephoneTookPart() const { return m_telephoneTookPart; }
    // Cancelled only to close after a failure, which stands as the result.
    bool FailedBeforeCancel() const { return m_failedBeforeCancel; }
    // The copy of the last successful transfer; not Tried() when none was asked for.
    const BackupResult& Backup() const { return m_backup; }

    // Called on the owner's thread after every poll and state change.
    std::function<void()> onChange;

private:
    // Every way into the link runs inside it.
    class OwnScope;

    void PostCommNotify(int notice) override;
    void OnCommNotify(int notice);
    void Poll();
    void TakeOver();
    bool LinkReachedTelephone() const;
    void Finish(Status status);
    void Notify();

    int m_mode;
    int m_requestedMode;
    CData_All& m_transferCopy;
    CData_All& m_documentData;
    ITransferHost& m_host;
    CSio m_sio;
    std::unique_ptr<CTrans> m_trans;
    Status m_status = Status::Idle;
    bool m_telephoneTookPart = false;
    bool m_failedBeforeCancel = false;
    std::string m_backupFolder;
    BackupResult m_backup;
    std::string m_traceName;
    // Queued notices outlive nothing: they check this token first.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// The first state of the chain of a mode (4, 38, 32 or 43).
int FirstStateOfMode(int mode);
