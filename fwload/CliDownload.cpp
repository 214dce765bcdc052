// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliDownload.h"

#include "BenchDownload.h"
#include "BenchLoop.h"
#include "FirmwareHints.h"
#include "FwStrings.h"
#include "InterruptWatch.h"
#include "PortErrorText.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ostream>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitError = 2;

// The telephone's control bytes (ACK, NAK, CR) made visible.
std::string Visible(const std::string& text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "<%02X>", byte);
        shown += code;
    }
    return shown;
}

} // namespace

void PrintLoadFailure(std::ostream& err, const std::string& hexPath, const FirmwareLoadResult& result)
{
    err << "fwload: " << hexPath << ": " << FwString(result.textId) << "\n";
    if (!result.detail.empty())
        err << result.detail << "\n";
}

CliDownload::CliDownload(const FwCommandLine& switches, bool answerYes, std::ostream& out, std::ostream& err)
    : m_switches(switches), m_answerYes(answerYes), m_out(out), m_err(err),
      m_link(*this, switches.ProtocolOptions()), m_board(out, StdoutTerminalColumns())
{
}

int CliDownload::Run(const std::string& hexPath, int port, const std::string& device, bool deviceGiven)
{
    if (m_settings.GetInt("Download", "Active ", -1) == -1)
        m_settings.WriteInt("Download", "Active ", 0);
    if (!Load(hexPath) || !Open(port, device, deviceGiven))
        return kExitError;
    m_link.DropReceived();
    const std::string where = deviceGiven ? device : "COM " + std::to_string(port) + " (" + device + ")";
    PrintStart(where);
    m_row = m_board.Add(where, {});
    m_board.SetState(m_row, "wartet auf Telefon");
    QEventLoop loop;
    m_loop = &loop;
    InterruptWatch interrupt([this] { Interrupt(); });
    if (m_status < 0)
        loop.exec();
    m_loop = nullptr;
    m_link.StopAllTimers();
    m_link.ClosePort();
    return m_status;
}

bool CliDownload::Load(const std::string& hexPath)
{
    const FirmwareLoadResult result = m_link.Load(hexPath);
    if (!result.ok) {
        PrintLoadFailure(m_err, hexPath, result);
        return false;
    }
    const FirmwareIdentity& identity = m_link.Identity();
    m_out << "Datei: " << hexPath << " (" << identity.fileHardware << " " << identity.fileVersionText << ", "
          << m_link.Image().LineCount() << " Zeilen)\n";
    // An interrupted download is restarted by the dialog from this record.
    std::string error;
    if (!m_settings.RememberHexFile(hexPath, &error))
        m_err << "fwload: Warnung: " << error << "\n";
    return true;
}

bool CliDownload::Open(int port, const std::string& device, bool deviceGiven)
{
    m_link.SetPort(port, device);
    if (m_link.OpenPort())
        return true;
    const std::string howToName = deviceGiven ? std::string() : HowToNameDeviceOnCommandLine(m_settings.Path(), port);
    m_err << "fwload: " << FwString(IDS_FW_TEXT_BAD_PORT) << " " << PortOpenFailureReason(m_link.Port(), howToName)
          << "\n";
    return false;
}

// The dialog's start message, with this file's duration.
void CliDownload::PrintStart(const std::string& where)
{
    const bool q38 = m_settings.GetInt("Hardware", "Q38 ", 0) != 0;
    m_out << FwString(IDS_FW_TEXT_CONNECT) << where
          << WithFileDuration(FwString(q38 ? IDS_FW_TEXT_START_KEYS_Q38 : IDS_FW_TEXT_START_KEYS),
                              m_link.Image().ImageLength())
          << "\n"
          << std::flush;
}

void CliDownload::Finish(int status)
{
    if (m_status >= 0)
        return;
    m_status = status;
    // Queued, so the handler that finished returns first; the last reply
    // ("XNN") still leaves, because closing the port lets written output drain.
    if (m_loop)
        QTimer::singleShot(0, m_loop, &QEventLoop::quit);
}

// The flag "Download"/"Active " stays as it is: the dialog offers to
// restart the download at its next start.
void CliDownload::Interrupt()
{
    const bool telephoneChanged = m_link.Protocol().LinesGoingOut();
    m_link.StopAllTimers();
    m_link.ClosePort();
    EndProgressLine();
    if (telephoneChanged)
        m_err << "fwload: " << FwString(IDS_FW_TEXT_CANCELLED) << "\n" << FwString(IDS_FW_TEXT_CANCELLED_CLI) << "\n";
    else
        m_err << "fwload: " << FwString(IDS_FW_TEXT_CANCELLED_EARLY) << "\n";
    m_status = m_status < 0 ? kExitFailed : m_status;
    if (m_loop)
        m_loop->quit();
}

// A message stands below the telephone's line, which is drawn anew under it.
void CliDownload::EndProgressLine()
{
    m_board.LeaveRows();
}

void CliDownload::ShowMessage(int textId, int captionId, Icon icon, const std::string& detail)
{
    EndProgressLine();
    std::ostream& stream = icon == Icon::Information ? m_out : m_err;
    const std::string_view caption = FwString(captionId);
    const std::string_view text = FwString(textId);
    // "Timeout: Timeout. Bitte ..." says one thing twice.
    stream << "fwload: " << (text.starts_with(caption) ? "" : std::string(caption) + ": ") << text << "\n";
    if (!detail.empty())
        stream << detail << "\n";
    stream << std::flush;
}

bool CliDownload::AskYesNo(int textId, int captionId)
{
    EndProgressLine();
    m_out << FwString(captionId) << ": " << FwString(textId) << " " << (m_answerYes ? "Ja" : "Nein")
          << (m_answerYes ? "" : " (--yes lädt trotzdem)") << "\n"
          << std::flush;
    return m_answerYes;
}

// Every reset of the protocol ends a download that cannot go on.
void CliDownload::ResetDialog()
{
    m_link.Protocol().Reset();
    m_link.ClearFirmware();
    Finish(kExitFailed);
}

void CliDownload::RefreshFields()
{
    // The end puts the percent back to 0; that is no progress to show.
    if (m_status >= 0)
        return;
    const CDownloadProtocol& protocol = m_link.Protocol();
    if (const std::string state = LoadingStateText(protocol); !state.empty())
        m_board.SetState(m_row, state);
    m_board.SetPercent(m_row, protocol.Percent());
}

void CliDownload::ShowReceived(const std::string& text)
{
    if (!m_switches.debug)
        return;
    EndProgressLine();
    m_out << "Erhalten: " << Visible(text) << "\n";
}

void CliDownload::ShowSent(const std::string& text)
{
    if (!m_switches.debug)
        return;
    EndProgressLine();
    m_out << "Gesandt: " << Visible(text) << "\n";
}

void CliDownload::ShowPhoneVersion(const std::string& text)
{
    EndProgressLine();
    m_out << "Softwareversion des Telefons: " << text << "\n";
}

void CliDownload::SetDownloadActive(int active)
{
    std::string error;
    if (!m_settings.WriteInt("Download", "Active ", active, &error))
        m_err << "fwload: Warnung: " << error << "\n";
}

// The percent follows the lines sent in steps of ten, so at the end it
// stops short of 100.
void CliDownload::DownloadEnded()
{
    m_board.SetPercent(m_row, 100);
    m_board.Finish(m_row, BenchBoard::Result::Succeeded);
    Finish(kExitOk);
}

void CliDownload::StartTimer(int id, int periodMs)
{
    m_link.StartTimer(id, periodMs);
}

void CliDownload::StopTimer(int id)
{
    m_link.StopTimer(id);
}
