// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A download without a window, for production lines and tests: the same
// protocol as the dialog, with the dialog's messages printed and the
// version question answered by the command line.
#include "BenchBoard.h"
#include "CDownloadProtocol.h"
#include "DownloadLink.h"
#include "FwCommandLine.h"
#include "FwSettings.h"

#include <iosfwd>
#include <string>

class QEventLoop;

// "fwload: <file>: <message>" and what the message cannot say, on err.
void PrintLoadFailure(std::ostream& err, const std::string& hexPath, const FirmwareLoadResult& result);

class CliDownload : public IDownloadView {
public:
    CliDownload(const FwCommandLine& switches, bool answerYes, std::ostream& out, std::ostream& err);

    // Runs on the current thread's event loop until the download has ended,
    // failed or been interrupted. Exit status 0 after "END", 1 when the
    // download failed or was refused, 2 for a file or port error.
    // deviceGiven: the user named the device (--device); the port number
    // then means nothing to him.
    int Run(const std::string& hexPath, int port, const std::string& device, bool deviceGiven);

    void ShowMessage(int textId, int captionId, Icon icon, const std::string& detail) override;
    bool AskYesNo(int textId, int captionId) override;
    void ResetDialog() override;
    void RefreshFields() override;
    void StepProgress() override {}
    void ShowReceived(const std::string& text) override;
    void ShowSent(const std::string& text) override;
    void ShowPhoneVersion(const std::string& text) override;
    void SetDownloadActive(int active) override;
    void DisablePortCommands() override {}
    void DownloadEnded() override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;

private:
    bool Load(const std::string& hexPath);
    bool Open(int port, const std::string& device, bool deviceGiven);
    void PrintStart(const std::string& where);
    void Finish(int status);
    void Interrupt();
    void EndProgressLine();

    FwCommandLine m_switches;
    bool m_answerYes;
    std::ostream& m_out;
    std::ostream& m_err;
    FwSettings m_settings;
    DownloadLink m_link;
    QEventLoop* m_loop = nullptr;
    int m_status = -1;
    // The telephone's row as the bench shows it: on a terminal one line
    // rewritten in place, elsewhere a line for each change worth telling.
    BenchBoard m_board;
    int m_row = -1;
};
