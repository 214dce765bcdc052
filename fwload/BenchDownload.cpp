// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchDownload.h"

#include "FwStrings.h"
#include "PortErrorText.h"
#include "Trace.h"

#include <QTimer>

#include <algorithm>

namespace {

// A message box text on one line of the table.
std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// As the command line prints a message box: its caption first, unless the
// text begins with it anyway.
std::string MessageText(int textId, int captionId)
{
    const std::string caption = FwString(captionId);
    const std::string text = OneLine(FwString(textId));
    return text.starts_with(caption) ? text : caption + ": " + text;
}

} // namespace

std::string LoadingStateText(const CDownloadProtocol& protocol)
{
    if (!protocol.LinesGoingOut())
        return {};
    std::string state = "lädt";
    if (protocol.TimeoutCount() > 0)
        state += ", Timeout " + std::to_string(protocol.TimeoutCount());
    if (protocol.NakCount() > 0)
        state += ", NAK " + std::to_string(protocol.NakCount());
    return state;
}

BenchDownload::BenchDownload(BenchBoard& board, int row, std::string device, const DownloadOptions& options,
                             bool answerYes)
    : m_board(board), m_row(row), m_device(std::move(device)), m_answerYes(answerYes),
      m_traceName(TraceNameOfDevice(m_device)), m_link(*this, options)
{
    m_link.SetTraceName(m_traceName);
    m_link.onDeviceGone = [this] {
        m_reason = kDeviceGoneReason;
        FinishLater(BenchBoard::Result::Failed);
    };
}

FirmwareLoadResult BenchDownload::Load(const std::string& hexPath)
{
    const TraceChannel channel(m_traceName);
    return m_link.Load(hexPath);
}

void BenchDownload::Start(int port, const std::string& howToName)
{
    const TraceChannel channel(m_traceName);
    m_link.SetPort(port, m_device);
    if (!m_link.OpenPort()) {
        m_reason = PortOpenFailureReason(m_link.Port(), howToName);
        m_ending = true;
        Finish(BenchBoard::Result::PortFailed);
        return;
    }
    m_link.DropReceived();
    m_board.SetState(m_row, "wartet auf Telefon");
}

void BenchDownload::Cancel()
{
    // A result already on its way stands.
    if (m_ending)
        return;
    m_ending = true;
    m_reason = kBenchInterrupted;
    Finish(BenchBoard::Result::Cancelled);
}

void BenchDownload::FinishLater(BenchBoard::Result result)
{
    if (m_ending)
        return;
    m_ending = true;
    m_link.StopAllTimers();
    QTimer::singleShot(0, &m_link, [this, result] { Finish(result); });
}

// Closing the port lets what was written drain first.
void BenchDownload::Finish(BenchBoard::Result result)
{
    if (!m_board.IsRunning(m_row))
        return;
    const TraceChannel channel(m_traceName);
    m_link.StopAllTimers();
    m_link.ClosePort();
    m_board.Finish(m_row, result, m_reason);
}

void BenchDownload::ShowMessage(int textId, int captionId, Icon icon, const std::string& detail)
{
    // Success needs no reason; of several messages the first one tells why.
    if (icon != Icon::Information && m_reason.empty())
        m_reason = MessageText(textId, captionId) + (detail.empty() ? "" : " " + OneLine(detail));
}

bool BenchDownload::AskYesNo(int textId, int captionId)
{
    if (!m_answerYes) {
        m_reason = MessageText(textId, captionId) + " Nein (--yes lädt trotzdem)";
        m_resetResult = BenchBoard::Result::Refused;
    }
    return m_answerYes;
}

// Every reset of the protocol ends a download that cannot go on.
void BenchDownload::ResetDialog()
{
    m_link.Protocol().Reset();
    FinishLater(m_resetResult);
}

void BenchDownload::RefreshFields()
{
    if (m_ending)
        return;
    const CDownloadProtocol& protocol = m_link.Protocol();
    if (const std::string state = LoadingStateText(protocol); !state.empty())
        m_board.SetState(m_row, state);
    m_board.SetPercent(m_row, protocol.Percent());
}

void BenchDownload::ShowPhoneVersion(const std::string& text)
{
    m_board.SetState(m_row, "Telefon meldet " + text);
}

void BenchDownload::DownloadEnded()
{
    FinishLater(BenchBoard::Result::Succeeded);
}

void BenchDownload::StartTimer(int id, int periodMs)
{
    m_link.StartTimer(id, periodMs);
}

void BenchDownload::StopTimer(int id)
{
    m_link.StopTimer(id);
}
