// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliDownload.h"

#include "FirmwareHints.h"
#include "FwStrings.h"
#include "InterruptWatch.h"
#include "PortErrorText.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ostream>
#include <unistd.h>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitError = 2;
constexpr int kPercentStepWithoutTerminal = 10;

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

CliDownload::CliDownload(const FwCommandLine& switches, bool answerYes, std::ostream& out, std::ostream& err)
    : m_switches(switches), m_answerYes(answerYes), m_out(out), m_err(err),
      m_link(*this, switches.ProtocolOptions()), m_terminal(::isatty(STDOUT_FILENO) != 0)
{
}

int CliDownload::Run(const std::string& hexPath, int port, const std::string& device, bool deviceGiven)
{
    if (m_settings.GetInt("Download", "Active ", -1) == -1)
        m_settings.WriteInt("Download", "Active ", 0);
    if (!Load(hexPath) || !Open(port, device, deviceGiven))
        return kExitError;
    m_link.DropReceived();
    PrintStart(deviceGiven ? device : "COM " + std::to_string(port) + " (" + device + ")");
    QEventLoop loop;
    m_loop = &loop;
    InterruptWatch interrupt([this] { Interrupt(); });
    if (m_status < 0)
        loop.exec();
    m_loop = nullptr;
    m_link.StopAllTimers();
    m_link.ClosePort();
    EndProgressLine();
    return m_status;
}

bool CliDownload::Load(const std::string& hexPath)
{
    const FirmwareLoadResult result = m_link.Load(hexPath);
    if (!result.ok) {
        m_err << "fwload: " << hexPath << ": " << FwString(result.textId) << "\n";
        if (result.textId == IDS_FW_TEXT_VERSION_FILE)
            m_err << MissingIdentificationHint(hexPath) << "\n";
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

// The dialog's start message; the duration it names is that of a whole
// telephone image, so the one of this file follows it.
void CliDownload::PrintStart(const std::string& where)
{
    const bool q38 = m_settings.GetInt("Hardware", "Q38 ", 0) != 0;
    m_out << FwString(IDS_FW_TEXT_CONNECT) << where << FwString(q38 ? IDS_FW_TEXT_START_KEYS_Q38 : IDS_FW_TEXT_START_KEYS)
          << "\n"
          << DownloadDurationText(m_link.Image().ImageLength()) << "\n"
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
    m_link.StopAllTimers();
    m_link.ClosePort();
    EndProgressLine();
    m_err << "fwload: Download abgebrochen.\n";
    m_status = m_status < 0 ? kExitFailed : m_status;
    if (m_loop)
        m_loop->quit();
}

// A message must not continue the percent line on a terminal.
void CliDownload::EndProgressLine()
{
    if (!m_terminal || m_shownPercent < 0)
        return;
    m_out << "\n" << std::flush;
    m_shownPercent = -1;
}

void CliDownload::ShowMessage(int textId, int captionId, Icon icon)
{
    EndProgressLine();
    std::ostream& stream = icon == Icon::Information ? m_out : m_err;
    const std::string_view caption = FwString(captionId);
    const std::string_view text = FwString(textId);
    // "Timeout: Timeout. Bitte ..." says one thing twice.
    stream << "fwload: " << (text.starts_with(caption) ? "" : std::string(caption) + ": ") << text << "\n"
           << std::flush;
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
    if (m_status < 0)
        ShowPercent(m_link.Protocol().Percent());
}

void CliDownload::ShowPercent(int percent)
{
    if (percent == m_shownPercent)
        return;
    if (m_terminal) {
        m_out << "\r" << percent << " %" << std::flush;
        m_shownPercent = percent;
    } else if (percent / kPercentStepWithoutTerminal != m_shownPercent / kPercentStepWithoutTerminal ||
               m_shownPercent < 0) {
        m_out << percent << " %\n" << std::flush;
        m_shownPercent = percent;
    }
}

void CliDownload::ShowReceived(const std::string& text)
{
    if (m_switches.debug)
        m_out << "Erhalten: " << Visible(text) << "\n";
}

void CliDownload::ShowSent(const std::string& text)
{
    if (m_switches.debug)
        m_out << "Gesandt: " << Visible(text) << "\n";
}

void CliDownload::ShowPhoneVersion(const std::string& text)
{
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
    ShowPercent(100);
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
