// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One telephone of a download to several at once: its own port, image and
// protocol, its progress and result on the bench board. It leaves the
// safe-recovery flag alone, which belongs to the dialog and its one port.
#include "BenchBoard.h"
#include "CDownloadProtocol.h"
#include "DownloadLink.h"

#include <string>

// "lädt", with the time-outs and NAKs since the last ACK, while lines go
// out; empty before and after.
std::string LoadingStateText(const CDownloadProtocol& protocol);

class BenchDownload : public IDownloadView {
public:
    // The telephone on device, shown in the board's row. Its trace goes to
    // a file of its own, named after the device.
    BenchDownload(BenchBoard& board, int row, std::string device, const DownloadOptions& options, bool answerYes);

    // Loads the image into this telephone's own copy.
    FirmwareLoadResult Load(const std::string& hexPath);
    const DownloadLink& Link() const { return m_link; }

    // Opens the port and waits for the telephone; a port that cannot be
    // opened ends this telephone at once, with the reason (howToName: see
    // PortOpenFailureReason).
    void Start(int port, const std::string& howToName);
    // Ctrl+C: as the dialog's abort, nothing more is sent; the port closes.
    void Cancel();

    void ShowMessage(int textId, int captionId, Icon icon, const std::string& detail) override;
    bool AskYesNo(int textId, int captionId) override;
    void ResetDialog() override;
    void RefreshFields() override;
    void StepProgress() override {}
    // The lines on the wire are in each telephone's trace; several
    // telephones' lines in one stream could not be read.
    void ShowReceived(const std::string&) override {}
    void ShowSent(const std::string&) override {}
    void ShowPhoneVersion(const std::string& text) override;
    void SetDownloadActive(int) override {}
    void DisablePortCommands() override {}
    void DownloadEnded() override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;

private:
    // The result is given once the protocol's handler has returned, so a
    // message that follows a reset becomes its reason, and a last reply
    // still leaves before the port closes.
    void FinishLater(BenchBoard::Result result);
    void Finish(BenchBoard::Result result);

    BenchBoard& m_board;
    int m_row;
    std::string m_device;
    bool m_answerYes;
    std::string m_traceName;
    DownloadLink m_link;
    bool m_ending = false;
    std::string m_reason;
    // What a reset of the protocol means: a failure, or the version refused.
    BenchBoard::Result m_resetResult = BenchBoard::Result::Failed;
};
