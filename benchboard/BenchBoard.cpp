// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchBoard.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {

constexpr int kPercentStepWithoutTerminal = 10;

// Columns a UTF-8 text takes: every byte that does not continue a character.
std::size_t Columns(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t columns)
{
    const std::size_t used = Columns(text);
    return used >= columns ? text : text + std::string(columns - used, ' ');
}

// Cut to the given columns without splitting a character.
std::string Cut(const std::string& text, std::size_t columns)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (seen++ == columns)
            return text.substr(0, i);
    }
    return text;
}

// "12,3 s" under a minute, "21:03 min" above.
std::string DurationText(BenchBoard::Clock::duration elapsed)
{
    const double seconds = std::chrono::duration<double>(elapsed).count();
    char text[32];
    if (seconds < 60) {
        std::snprintf(text, sizeof text, "%.1f s", seconds);
        std::replace(text, text + sizeof text, '.', ',');
    } else {
        const long whole = static_cast<long>(seconds);
        std::snprintf(text, sizeof text, "%ld:%02ld min", whole / 60, whole % 60);
    }
    return text;
}

// The word for a result in the table.
const char* BenchResultText(BenchBoard::Result result)
{
    switch (result) {
    case BenchBoard::Result::Running: return "läuft";
    case BenchBoard::Result::Succeeded: return "fertig";
    case BenchBoard::Result::Failed: return "Fehler";
    case BenchBoard::Result::Refused: return "abgelehnt";
    case BenchBoard::Result::Cancelled: return "abgebrochen";
    case BenchBoard::Result::PortFailed: return "Anschlussfehler";
    }
    return "";
}

} // namespace

BenchBoard::BenchBoard(std::ostream& out, int terminalColumns, std::function<Clock::time_point()> clock)
    : m_out(out), m_columns(terminalColumns), m_clock(std::move(clock))
{
}

int BenchBoard::Add(std::string label, BenchTarget target)
{
    m_labelWidth = std::max(m_labelWidth, Columns(label));
    Row row;
    row.label = std::move(label);
    row.target = std::move(target);
    row.started = m_clock();
    m_rows.push_back(std::move(row));
    return static_cast<int>(m_rows.size()) - 1;
}

void BenchBoard::SetState(int row, std::string state)
{
    Row& r = m_rows[row];
    if (r.result != Result::Running || r.state == state)
        return;
    r.state = std::move(state);
    Changed(r.label + ": " + r.state);
}

void BenchBoard::SetPercent(int row, int percent)
{
    Row& r = m_rows[row];
    if (r.result != Result::Running || r.percent == percent)
        return;
    const bool nextStep = percent / kPercentStepWithoutTerminal != r.percent / kPercentStepWithoutTerminal;
    r.percent = percent;
    if (m_columns > 0 || nextStep)
        Changed(r.label + ": " + std::to_string(percent) + " %");
}

void BenchBoard::Finish(int row, Result result, std::string reason)
{
    Row& r = m_rows[row];
    if (r.result != Result::Running || result == Result::Running)
        return;
    r.result = result;
    r.reason = std::move(reason);
    r.ended = m_clock();
    if (result == Result::Succeeded)
        r.percent = 100;
    r.state = std::string(BenchResultText(result)) + (r.reason.empty() ? "" : ": " + r.reason);
    Changed(r.label + ": " + r.state);
    if (AllFinished() && onAllFinished)
        onAllFinished();
}

bool BenchBoard::AllFinished() const
{
    return std::none_of(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.result == Result::Running; });
}

int BenchBoard::Count(Result result) const
{
    return static_cast<int>(
        std::count_if(m_rows.begin(), m_rows.end(), [result](const Row& r) { return r.result == result; }));
}

int BenchBoard::ExitStatus() const
{
    int status = 0;
    for (const Row& r : m_rows)
        status = std::max(status, r.result == Result::Succeeded ? 0 : r.result == Result::PortFailed ? 2 : 1);
    return status;
}

std::string BenchBoard::RowText(const Row& row) const
{
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d %%", row.percent);
    const std::string text = Padded(row.label, m_labelWidth) + "  " + percent + "  " + row.state;
    // A row as wide as the terminal would wrap and shift every row below it.
    return m_columns > 1 ? Cut(text, static_cast<std::size_t>(m_columns - 1)) : text;
}

void BenchBoard::Changed(const std::string& plainLine)
{
    if (m_columns > 0)
        Redraw();
    else
        m_out << plainLine << "\n" << std::flush;
}

// Up to the first row, every row rewritten and its rest cleared, so the
// cursor ends below the last row.
void BenchBoard::Redraw()
{
    if (m_drawn)
        m_out << "\x1b[" << m_rows.size() << "A";
    m_drawn = true;
    for (const Row& r : m_rows)
        m_out << "\r" << RowText(r) << "\x1b[K\n";
    m_out << std::flush;
}

void BenchBoard::PrintSummary(const std::vector<std::string>& arguments) const
{
    std::size_t resultWidth = Columns("Ergebnis");
    std::size_t reasonWidth = Columns("Grund");
    for (const Row& r : m_rows) {
        resultWidth = std::max(resultWidth, Columns(BenchResultText(r.result)));
        reasonWidth = std::max(reasonWidth, Columns(r.reason));
    }
    const std::size_t labelWidth = std::max(m_labelWidth, Columns("Gerät"));
    m_out << "\nZusammenfassung:\n"
          << Padded("Gerät", labelWidth) << "  " << Padded("Ergebnis", resultWidth) << "  "
          << Padded("Grund", reasonWidth) << "  Zeit\n";
    for (const Row& r : m_rows) {
        const Clock::time_point end = r.result == Result::Running ? m_clock() : r.ended;
        m_out << Padded(r.label, labelWidth) << "  " << Padded(BenchResultText(r.result), resultWidth) << "  "
              << Padded(r.reason, reasonWidth) << "  " << DurationText(end - r.started) << "\n";
    }
    std::vector<BenchTarget> again;
    for (const Row& r : m_rows)
        if (r.result != Result::Succeeded)
            again.push_back(r.target);
    if (!again.empty())
        m_out << "\nNur die nicht erfolgreichen Telefone noch einmal:\n  " << ShellCommand(ArgumentsFor(arguments, again))
              << "\n";
    m_out << std::flush;
}
