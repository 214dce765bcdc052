// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One telephone of a write to several at once: its own port, link, copy of
// the document and switches (its link keeps those its telephone reports,
// which may be another version than its neighbours'), its row on the bench
// board, and its own trace file.
#include "BenchBoard.h"
#include "CData_All.h"
#include "QtTransferHost.h"
#include "TransferRunner.h"

#include <memory>
#include <string>

class BenchTransfer {
public:
    // mode: MODE_WRITE_CFG or MODE_WRITE_DIALNAME; document: what is written,
    // with the document's switches. howToName as for PortOpenFailureReason.
    BenchTransfer(BenchBoard& board, int row, int mode, const CData_All& document, const CDerivat& switches,
                  int port, const std::string& device, std::string howToName);

    // Opens the port and waits for the telephone; a port that cannot be
    // opened ends this telephone at once, with the reason.
    void Start();
    // Ctrl+C: the end record as "Abbrechen" sends it, then the port closes.
    void Cancel();

    // After success: the document as this telephone took it, with its
    // software version and phone type from the handshake.
    const CData_All& Written() const { return m_written; }

private:
    void OnChange();
    void Succeeded();
    std::string FailureReason() const;

    BenchBoard& m_board;
    int m_row;
    int m_mode;
    std::string m_howToName;
    CData_All m_transfer;
    CData_All m_written;
    QtTransferHost m_host;
    std::unique_ptr<CTransferRunner> m_runner;
};
