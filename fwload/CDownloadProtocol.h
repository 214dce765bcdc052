// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The download conversation with the telephone: its report or load request,
// the version check with the user's decision, the lines sent one at a time
// with ACK, NAK and time-outs, and the end. The dialog (or the command line)
// is reached through IDownloadView; timers through it too, so tests drive the
// protocol with a virtual clock and scripted answers.
#include "FirmwareFile.h"

#include <string>
#include <string_view>

class CChangeToIntel;
class ISerialPort;

class IDownloadView {
public:
    enum class Icon { Error, Warning, Information };
    virtual ~IDownloadView() = default;

    // detail: what the fixed text cannot say (UTF-8), shown after it; may be empty.
    virtual void ShowMessage(int textId, int captionId, Icon icon, const std::string& detail) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(int textId, int captionId) = 0;
    // The dialog's reset (ResetValuesAndDialog): it closes the port, clears
    // the image and calls the protocol's Reset.
    virtual void ResetDialog() = 0;
    // timeoutCount, nakCount and percent changed.
    virtual void RefreshFields() = 0;
    // Every 1024 lines the progress bar steps once.
    virtual void StepProgress() = 0;
    virtual void ShowReceived(const std::string& text) = 0; // debug area
    virtual void ShowSent(const std::string& text) = 0;     // debug area
    virtual void ShowPhoneVersion(const std::string& text) = 0;
    // The profile flag "Download"/"Active ".
    virtual void SetDownloadActive(int active) = 0;
    // The port commands are disabled from "GO" until the next reset.
    virtual void DisablePortCommands() = 0;
    // START back and enabled, progress 0, port closed.
    virtual void DownloadEnded() = 0;
    // Window-style timers: repeating until stopped; expiry calls OnTimer(id).
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
};

struct DownloadOptions {
    bool debug = false;
    bool skipHardwareChecks = false; // hidden switch 1
    bool skipRevisionCheck = false;  // hidden switch 2
};

class CDownloadProtocol {
public:
    static constexpr int kTimeoutTimer = 666;
    static constexpr int kTimeoutMs = 5000;
    // The pause after the blank reply to a load request, before the question.
    static constexpr int kReplyPauseTimer = 667;
    static constexpr int kReplyPauseMs = 1000;
    static constexpr int kMaxRepeats = 10;

    enum State : int { WAIT_REPORT = 0, WAIT_GO = 1, LINE_SENT = 2, LINE_SENT_AGAIN = 3, FAILED = 10 };

    CDownloadProtocol(ISerialPort& port, CChangeToIntel& image, const FirmwareIdentity& identity,
                      const DownloadOptions& options, IDownloadView& view);

    // On every receive notice of the port.
    void OnReceive();
    // When the port's output has drained: a line the port refused goes out now.
    void OnTransmitReady();
    void OnTimer(int id);

    void MessageHandler(const std::string& message);
    // Clears the protocol's fields and stops its timers (part of the dialog's reset).
    void Reset();

    int State() const { return m_state; }
    // Lines of the image are going out: the telephone's firmware is being replaced.
    bool LinesGoingOut() const { return m_state == LINE_SENT || m_state == LINE_SENT_AGAIN; }
    int LineIndex() const { return m_lineIndex; }
    int TimeoutCount() const { return m_timeoutCount; }
    int NakCount() const { return m_nakCount; }
    int Percent() const { return m_percent; }
    const std::string& PhoneHardware() const { return m_phoneHardware; }
    const std::string& PhoneVersionText() const { return m_phoneVersionText; }

private:
    // The reply pause and the version question that follows it.
    enum class VersionCheck { Idle, Pausing, Asking };

    void Trace(std::string_view message) const;
    void Dispatch();
    void HandleFirstMessage(const std::string& message);
    void CheckHardwareReport(const std::string& message);
    void HandleLineAnswer(const std::string& message);
    void Repeat(bool timedOut);
    void Fail(int textId, int captionId);
    void Start();
    int SendLine(int n);
    int SendLineAgain();
    void UpdateProgress(int n);
    void Send(std::string_view text);
    void SendReply(std::string text);
    void Flush();
    int SoftwareCheckNew(const std::string& message);
    void FinishSoftwareCheck();
    bool UserAcceptsVersion();
    int End(const std::string& text);
    void ClearTransfer();
    void StartTimer();
    void StopTimer();

    ISerialPort& m_port;
    CChangeToIntel& m_image;
    const FirmwareIdentity& m_identity;
    DownloadOptions m_options;
    IDownloadView& m_view;

    std::string m_rxText;
    std::string m_sentLine;
    std::string m_pendingOutput; // what the port has not taken yet
    VersionCheck m_versionCheck = VersionCheck::Idle;
    double m_phoneVersion = 0;

    int m_state = WAIT_REPORT;
    int m_lineIndex = 0;
    int m_timeoutCount = 0;
    int m_nakCount = 0;
    int m_percent = 0;
    std::string m_phoneHardware;
    std::string m_phoneVersionText;
};
