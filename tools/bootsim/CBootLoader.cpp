// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBootLoader.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char kAck[] = "\x06";
constexpr char kNak[] = "\x15";
constexpr int kEndOfFile = 0x01;

bool FitsColumns(const std::string& text, std::size_t most)
{
    return !text.empty() && text.size() <= most
           && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The record type of an Intel-HEX line whose length byte and checksum fit;
// nothing for anything else, which the telephone refuses.
std::optional<int> SoundRecordType(std::string_view line)
{
    if (line.size() < 11 || line[0] != ':' || line.size() % 2 == 0)
        return std::nullopt;
    int sum = 0;
    int type = 0;
    for (std::size_t i = 1; i < line.size(); i += 2) {
        const int high = HexDigit(line[i]);
        const int low = HexDigit(line[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        sum += high * 16 + low;
        if (i == 1 && static_cast<std::size_t>(high * 16 + low) * 2 + 11 != line.size())
            return std::nullopt;
        if (i == 7)
            type = high * 16 + low;
    }
    if (sum % 256 != 0)
        return std::nullopt;
    return type;
}

std::string Padded(std::string text, std::size_t width)
{
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

} // namespace

std::string CBootLoader::Check(const Options& options)
{
    if (!FitsColumns(options.hardware, 6))
        return "the hardware type takes 1 to 6 characters without blanks";
    if (!FitsColumns(options.version, 4))
        return "the version takes 1 to 4 characters without blanks";
    if (!options.revision.empty() && (options.revision.size() != 2 || !FitsColumns(options.revision, 2)))
        return "the revision takes 2 characters without blanks, or none";
    return {};
}

CBootLoader::CBootLoader(Options options)
    : m_options(std::move(options)), m_line(m_options.charTime)
{
}

std::string CBootLoader::LoadRequest() const
{
    return "LD " + Padded(m_options.hardware, 6) + " " + Padded(m_options.version, 4) + "LD C" + m_options.revision;
}

std::string CBootLoader::Report() const
{
    return m_options.hardware + m_options.revision;
}

void CBootLoader::StartSession(Time now)
{
    EndSession();
    m_lines.clear();
    m_refusedLine = 0;
    m_refusals = 0;
    m_ackDropped = false;
    switch (m_options.greeting) {
    case Greeting::Report:
        Send(Report() + "\r", "report", now);
        SendGo(m_line.ToPcIdleAt() + m_options.goDelay);
        break;
    case Greeting::LoadRequest:
        Send(LoadRequest() + "\r", "load request", now);
        m_phase = Phase::AwaitBlank;
        break;
    case Greeting::Go:
        SendGo(now);
        break;
    }
}

void CBootLoader::EndSession()
{
    m_line.Clear();
    m_rx.clear();
    if (m_phase != Phase::Vanished)
        m_phase = Phase::Idle;
}

std::string CBootLoader::Receive(std::string_view bytes, Time now)
{
    if (m_phase == Phase::Idle)
        Log("Bad", "bytes before the procedure was started");
    else
        m_line.FromPc(bytes, now);
    return Poll(now);
}

std::string CBootLoader::Poll(Time now)
{
    while (const auto arrival = m_line.PopAtDevice(now))
        TakeByte(arrival->byte, arrival->at);
    return m_line.TakeAtPc(now);
}

std::optional<CBootLoader::Time> CBootLoader::NextEvent() const
{
    return m_line.NextEvent();
}

void CBootLoader::TakeByte(char byte, Time at)
{
    if (byte != '\n') {
        m_rx.push_back(byte);
        return;
    }
    const std::string line = std::exchange(m_rx, std::string());
    Log("Rx", line);
    switch (m_phase) {
    case Phase::AwaitBlank:
        OnBlank(line);
        break;
    case Phase::AwaitDecision:
        OnDecision(line, at);
        break;
    case Phase::Loading:
        OnImageLine(line, at);
        break;
    default:
        break; // not listening any more
    }
}

void CBootLoader::OnBlank(const std::string& line)
{
    if (line == " ")
        m_phase = Phase::AwaitDecision;
    else
        Log("Bad", "the blank reply to the load request was expected");
}

void CBootLoader::OnDecision(const std::string& line, Time at)
{
    if (line == "XBB")
        SendGo(at + m_options.lineDelay);
    else if (line == "XNN")
        m_phase = Phase::Over;
    else
        Log("Bad", "XBB or XNN was expected");
}

void CBootLoader::OnImageLine(const std::string& line, Time at)
{
    if (at < m_goArrives) {
        Log("Bad", "line sent before GO arrived");
        return;
    }
    const std::optional<int> type = SoundRecordType(line);
    if (!type) {
        Send(kNak, "NAK", at + m_options.lineDelay);
        return;
    }
    // The PC sends its first line twice, and again after a lost answer.
    const bool repeat = !m_lines.empty() && m_lines.back() == line;
    const int number = static_cast<int>(m_lines.size()) + (repeat ? 0 : 1);
    if (Misbehaves(number, at))
        return;
    if (!repeat)
        m_lines.push_back(line);
    if (number == m_options.faults.dropAckLine && !std::exchange(m_ackDropped, true)) {
        Log("Fault", "ACK lost");
        return;
    }
    Acknowledge(*type == kEndOfFile, at + m_options.lineDelay);
}

bool CBootLoader::Misbehaves(int number, Time at)
{
    const Faults& faults = m_options.faults;
    if (faults.vanishAfter >= 0 && number > faults.vanishAfter) {
        Log("Fault", "vanishing");
        m_phase = Phase::Vanished;
    } else if (faults.silentAfter >= 0 && number > faults.silentAfter) {
        Log("Fault", "falling silent");
        m_phase = Phase::Silent;
    } else if (Refuses(number)) {
        Send(kNak, "NAK (fault)", at + m_options.lineDelay);
    } else {
        return false;
    }
    return true;
}

bool CBootLoader::Refuses(int number)
{
    if (number != m_refusedLine) {
        m_refusedLine = number;
        m_refusals = 0;
    }
    const Faults& faults = m_options.faults;
    int limit = faults.nakEvery > 0 && number % faults.nakEvery == 0 ? 1 : 0;
    if (number == faults.nakLine)
        limit = std::max(limit, faults.nakTimes);
    if (m_refusals >= limit)
        return false;
    ++m_refusals;
    return true;
}

void CBootLoader::Acknowledge(bool endOfFile, Time at)
{
    Send(kAck, "ACK", at);
    if (!endOfFile)
        return;
    Send(m_options.endAsMessage ? "END\r" : "\x06" "END\r", "END", at);
    m_phase = Phase::Over;
}

void CBootLoader::SendGo(Time at)
{
    Send("GO\r", "GO", at);
    m_goArrives = m_line.ToPcIdleAt();
    m_phase = Phase::Loading;
}

void CBootLoader::Send(std::string_view bytes, std::string_view what, Time at)
{
    Log("Tx", what);
    m_line.ToPc(bytes, at);
}

void CBootLoader::Log(std::string_view kind, std::string_view text) const
{
    if (onLog)
        onLog(std::string(kind) + " " + std::string(text));
}
