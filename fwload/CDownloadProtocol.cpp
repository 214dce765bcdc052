// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDownloadProtocol.h"

#include "CChangeToIntel.h"
#include "FirmwareHints.h"
#include "FwStrings.h"
#include "ISerialPort.h"
#include "Trace.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char ACK = '\x06';
constexpr char NAK = '\x15';
constexpr std::string_view kAckEnd = "\x06"
                                     "END";
constexpr int kReadBlock = 1024;
constexpr int kLinesPerProgressStep = 1024;
constexpr int kLinesPerPercentUpdate = 10;
// A hardware report names the hardware within its first five characters.
constexpr std::size_t kReportHead = 5;
constexpr std::size_t kRevisionLength = 2;
// Only a load request of this length carries the revision in its tail.
constexpr std::size_t kLoadRequestWithRevision = 20;
constexpr std::size_t kPhoneHardwareLength = 6;
constexpr std::size_t kPhoneVersionLength = 4;

using Icon = IDownloadView::Icon;

// The load request is cut at fixed positions: the first n characters go,
// then the blanks that follow them.
std::string Blanked(std::string_view text, std::size_t n)
{
    text.remove_prefix(std::min(n, text.size()));
    while (text.starts_with(' '))
        text.remove_prefix(1);
    return std::string(text);
}

std::string TrimRight(std::string text)
{
    while (text.ends_with(' '))
        text.pop_back();
    return text;
}

bool IsHardwareReport(std::string_view message)
{
    const std::string_view head = message.substr(0, kReportHead);
    return head.find("Q410") != std::string_view::npos || head.find("QL410") != std::string_view::npos ||
           head.find("Q38") != std::string_view::npos;
}

} // namespace

CDownloadProtocol::CDownloadProtocol(ISerialPort& port, CChangeToIntel& image, const FirmwareIdentity& identity,
                                     const DownloadOptions& options, IDownloadView& view)
    : m_port(port), m_image(image), m_identity(identity), m_options(options), m_view(view)
{
}

void CDownloadProtocol::Trace(std::string_view message) const
{
    TraceLine("DownloadDialog", message);
}

// ---------------------------------------------------------------- receiving

void CDownloadProtocol::OnReceive()
{
    // Whatever the telephone says after the blank reply is meant for the
    // state the version decision leads to, so it waits in the port till then.
    if (m_versionCheck != VersionCheck::Idle)
        return;
    unsigned char buffer[kReadBlock];
    const int count = m_port.Read(buffer, kReadBlock);
    if (count <= 0)
        return;
    m_rxText.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    Trace("Recieved: " + m_rxText);
    std::erase(m_rxText, '\n');
    if (m_rxText.find(kAckEnd) != std::string::npos) {
        // Handled once: kept, it would end the next download at its first byte.
        m_rxText.clear();
        MessageHandler("END");
        return;
    }
    if (m_options.debug)
        m_view.ShowReceived(m_rxText);
    Dispatch();
}

// Every complete message is handled in the order it came, however the bytes
// were split into reads: an ACK read together with the first letters of the
// end message, or a report read together with "GO", must not take the rest
// with it. What is not yet complete waits for the next read.
void CDownloadProtocol::Dispatch()
{
    while (m_versionCheck == VersionCheck::Idle) {
        const std::size_t pos = m_rxText.find_first_of("\x15\r\x06");
        if (pos == std::string::npos)
            return;
        const char terminator = m_rxText[pos];
        // Whatever stands before an ACK or NAK is noise.
        const std::string message = terminator == '\r' ? m_rxText.substr(0, pos) : std::string(1, terminator);
        m_rxText.erase(0, pos + 1);
        if (terminator == '\r') {
            Trace("MESSAGE ist zu bearbeiten...");
            MessageHandler(message);
            Trace("MESSAGE ist bearbeitet.");
        } else {
            MessageHandler(message);
        }
    }
}

void CDownloadProtocol::OnTimer(int id)
{
    if (id == kTimeoutTimer) {
        MessageHandler("TIMEOUT");
        return;
    }
    if (id != kReplyPauseTimer)
        return;
    m_view.StopTimer(kReplyPauseTimer);
    if (m_versionCheck == VersionCheck::Pausing)
        FinishSoftwareCheck();
}

// ------------------------------------------------------------ state machine

void CDownloadProtocol::MessageHandler(const std::string& message)
{
    Trace("MessageHandler()");
    switch (m_state) {
    case WAIT_REPORT:
        HandleFirstMessage(message);
        break;
    case WAIT_GO:
        if (message == "GO")
            Start();
        break;
    case LINE_SENT:
    case LINE_SENT_AGAIN:
        HandleLineAnswer(message);
        break;
    default:
        m_view.ResetDialog();
        break;
    }
}

void CDownloadProtocol::HandleFirstMessage(const std::string& message)
{
    if (IsHardwareReport(message)) {
        CheckHardwareReport(message);
    } else if (message == "GO") {
        Start();
    } else if (message.find("LD C") != std::string::npos) {
        m_state = SoftwareCheckNew(message);
    } else {
        m_view.ResetDialog();
        m_view.ShowMessage(IDS_FW_TEXT_INIT_DEFECT, IDS_FW_CAPTION_PROTOCOL, Icon::Warning, {});
    }
}

// The last two characters of a longer report carry the hardware revision.
void CDownloadProtocol::CheckHardwareReport(const std::string& message)
{
    if (m_options.skipHardwareChecks || message.size() <= kReportHead) {
        m_state = WAIT_GO;
        return;
    }
    const std::string revision = Blanked(std::string_view(message).substr(message.size() - kRevisionLength), 0);
    if (m_options.skipRevisionCheck || m_image.Revision().find(revision) != std::string::npos) {
        m_state = WAIT_GO;
        return;
    }
    // Taken before the reset, which clears the image.
    const std::string hint = HardwareMismatchHint(message, m_identity.fileHardware, !m_image.Revision().empty());
    m_view.ResetDialog();
    m_view.ShowMessage(IDS_FW_TEXT_BAD_HW_REPORT, IDS_FW_CAPTION_BAD_HW, Icon::Error, hint);
}

void CDownloadProtocol::HandleLineAnswer(const std::string& message)
{
    if (message == "END") {
        StopTimer();
        m_state = End("END");
    } else if (message == std::string(1, ACK)) {
        StopTimer();
        m_timeoutCount = 0;
        m_nakCount = 0;
        ++m_lineIndex;
        m_state = SendLine(m_lineIndex);
    } else if (message == "TIMEOUT" || message == std::string(1, NAK)) {
        Repeat(message == "TIMEOUT");
    }
}

void CDownloadProtocol::Repeat(bool timedOut)
{
    StopTimer();
    ++(timedOut ? m_timeoutCount : m_nakCount);
    m_rxText.clear();
    m_view.RefreshFields();
    if (m_timeoutCount > kMaxRepeats)
        Fail(IDS_FW_TEXT_TIMEOUT, IDS_FW_CAPTION_TIMEOUT);
    else if (m_nakCount > kMaxRepeats)
        Fail(IDS_FW_TEXT_TOO_MANY_NAKS, IDS_FW_CAPTION_TOO_MANY_NAKS);
    else
        m_state = SendLineAgain();
}

void CDownloadProtocol::Fail(int textId, int captionId)
{
    m_view.ShowMessage(textId, captionId, Icon::Error, {});
    m_view.ResetDialog();
    m_state = FAILED;
}

void CDownloadProtocol::Start()
{
    m_view.DisablePortCommands();
    // Stays 1 if the download breaks off, so the next start offers a restart.
    m_view.SetDownloadActive(1);
    m_state = SendLine(m_lineIndex);
}

// ------------------------------------------------------------------ sending

int CDownloadProtocol::SendLine(int n)
{
    const std::string text = m_image.GetLine(static_cast<unsigned>(n));
    UpdateProgress(n);
    // Past the last line nothing goes out, and a repeat must not bring the
    // last line back: the telephone is due to end.
    m_sentLine.clear();
    if (!text.empty())
        Send(text);
    StartTimer();
    return LINE_SENT;
}

// Not GetLine(lineIndex): after "GO" the image has handed out line 1 for
// index 0, so its repeat rule would answer a NAK on that very line with the
// second one, and the telephone would never get the first.
int CDownloadProtocol::SendLineAgain()
{
    // Whatever the port has not taken is this same line; it must not go twice.
    m_pendingOutput.clear();
    const std::string line = m_sentLine;
    if (!line.empty())
        Send(line);
    StartTimer();
    return LINE_SENT_AGAIN;
}

void CDownloadProtocol::UpdateProgress(int n)
{
    if (n != 0 && n % kLinesPerProgressStep == 0)
        m_view.StepProgress();
    if (n % kLinesPerPercentUpdate != 0)
        return;
    const std::int64_t lines = m_image.LineCount();
    // After the last line the index runs past the count.
    m_percent = lines == 0 ? 0 : static_cast<int>(std::min<std::int64_t>(100, std::int64_t{n} * 100 / lines));
    m_view.RefreshFields();
}

void CDownloadProtocol::Send(std::string_view text)
{
    const std::size_t lf = text.find('\n');
    const std::string_view line = lf == std::string_view::npos ? text : text.substr(0, lf + 1);
    m_sentLine.assign(line);
    m_pendingOutput.append(line);
    Flush();
    if (m_options.debug)
        m_view.ShowSent(std::string(line));
    Trace("Send: " + std::string(line));
}

void CDownloadProtocol::SendReply(std::string text)
{
    if (!text.ends_with('\n'))
        text += '\n';
    Send(text);
}

// The port takes a line when it has room; what it refuses waits for
// OnTransmitReady or, for a line, for the time-out that sends it again.
void CDownloadProtocol::Flush()
{
    if (m_pendingOutput.empty())
        return;
    const int taken = m_port.Write(reinterpret_cast<const unsigned char*>(m_pendingOutput.data()),
                                   static_cast<int>(m_pendingOutput.size()));
    if (taken > 0)
        m_pendingOutput.erase(0, static_cast<std::size_t>(taken));
}

void CDownloadProtocol::OnTransmitReady()
{
    Flush();
}

// ---------------------------------------------------------- version check

int CDownloadProtocol::SoftwareCheckNew(const std::string& message)
{
    Trace("SoftwareCheckNew()");
    std::string rest = Blanked(message, 3); // "LD "
    m_phoneHardware = TrimRight(rest.substr(0, kPhoneHardwareLength));
    rest = Blanked(rest, 7);
    m_phoneVersionText = rest.substr(0, kPhoneVersionLength);
    m_phoneVersion = VersionValue(m_phoneVersionText);
    m_phoneHardware += message.size() == kLoadRequestWithRevision ? Blanked(rest, 8) : m_image.Revision();
    m_view.ShowPhoneVersion("V" + m_phoneVersionText);
    if (m_identity.fileHardware != m_phoneHardware && !m_options.skipHardwareChecks) {
        // Taken before the reset, which clears them.
        const std::string hint = HardwareMismatchHint(m_phoneHardware, m_identity.fileHardware, true);
        m_view.ResetDialog();
        m_view.ShowMessage(IDS_FW_TEXT_BAD_HW_REPORT, IDS_FW_CAPTION_BAD_HW, Icon::Error, hint);
        return WAIT_REPORT;
    }
    SendReply(" ");
    // The telephone needs the pause before it can take the decision.
    m_versionCheck = VersionCheck::Pausing;
    m_view.StartTimer(kReplyPauseTimer, kReplyPauseMs);
    return WAIT_REPORT;
}

void CDownloadProtocol::FinishSoftwareCheck()
{
    m_versionCheck = VersionCheck::Asking;
    const bool load = UserAcceptsVersion();
    // The user may have aborted (reset) while the question was open.
    if (m_versionCheck != VersionCheck::Asking)
        return;
    m_versionCheck = VersionCheck::Idle;
    if (!load) {
        SendReply("XNN");
        m_view.ResetDialog();
        m_state = WAIT_REPORT;
        return;
    }
    SendReply("XBB");
    m_state = WAIT_GO;
    // The port holds back its notices until it is read.
    OnReceive();
}

bool CDownloadProtocol::UserAcceptsVersion()
{
    if (m_phoneVersion == m_identity.fileVersion)
        return m_view.AskYesNo(IDS_FW_TEXT_SAME_VERSION, IDS_FW_CAPTION_VERSION);
    if (m_phoneVersion > m_identity.fileVersion)
        return m_view.AskYesNo(IDS_FW_TEXT_OLDER_VERSION, IDS_FW_CAPTION_VERSION);
    return true;
}

// ------------------------------------------------------------------- ending

int CDownloadProtocol::End(const std::string& text)
{
    Trace("End()");
    StopTimer();
    m_view.SetDownloadActive(0);
    m_view.DownloadEnded();
    ClearTransfer();
    // What came after the end belongs to no download.
    m_rxText.clear();
    // The same file can go to the next telephone without loading it again.
    m_image.Rewind();
    m_view.RefreshFields();
    if (!text.empty())
        m_view.ShowMessage(IDS_FW_TEXT_SUCCESS, IDS_FW_CAPTION_SUCCESS, Icon::Information, {});
    return WAIT_REPORT;
}

void CDownloadProtocol::Reset()
{
    // A reset ends every wait, so no timer may fire into the fresh state.
    StopTimer();
    if (m_versionCheck == VersionCheck::Pausing)
        m_view.StopTimer(kReplyPauseTimer);
    m_versionCheck = VersionCheck::Idle;
    m_rxText.clear();
    ClearTransfer();
    m_phoneHardware.clear();
    m_phoneVersionText.clear();
    m_phoneVersion = 0;
}

// Back to waiting for a telephone, with no line on its way.
void CDownloadProtocol::ClearTransfer()
{
    m_state = WAIT_REPORT;
    m_lineIndex = 0;
    m_timeoutCount = 0;
    m_nakCount = 0;
    m_percent = 0;
    m_sentLine.clear();
    m_pendingOutput.clear();
}

void CDownloadProtocol::StartTimer()
{
    Trace("StartTimer()");
    m_view.StartTimer(kTimeoutTimer, kTimeoutMs);
}

void CDownloadProtocol::StopTimer()
{
    Trace("StopTimer()");
    m_view.StopTimer(kTimeoutTimer);
}
