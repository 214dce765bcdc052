// SPDX-License-Identifier: GPL-3.0-or-later
#include "CLineTiming.h"

#include <algorithm>
#include <fstream>
#include <numeric>

namespace {

double Seconds(CLineTiming::Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The value below which the given share of the sorted values lies.
double Quantile(const std::vector<double>& sorted, double share)
{
    if (sorted.empty())
        return 0;
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
    return sorted[at];
}

} // namespace

void CLineTiming::Wrote(Clock::time_point due, Clock::time_point now, bool drained)
{
    if (drained) {
        ++m_drains;
        m_drainLateS += Seconds(std::max(now - due, Clock::duration(0)));
    }
    if (now > due) {
        m_lateS += Seconds(now - due);
        m_lateMaxS = std::max(m_lateMaxS, Seconds(now - due));
        ++m_lateWrites;
    }
}

void CLineTiming::Answered(Clock::time_point now, std::size_t bytes)
{
    m_lastWrite = now;
    m_bytesWritten += bytes;
}

void CLineTiming::Heard(Clock::time_point now, std::size_t bytes)
{
    m_bytesRead += bytes;
    if (!m_lastWrite)
        return;
    m_reactionsS.push_back(Seconds(now - *m_lastWrite));
    m_lastWrite.reset();
}

bool CLineTiming::WriteReport(const std::string& path) const
{
    std::vector<double> sorted = m_reactionsS;
    std::sort(sorted.begin(), sorted.end());
    std::ofstream out(path, std::ios::trunc);
    out << "bytes_written " << m_bytesWritten << "\n"
        << "bytes_read " << m_bytesRead << "\n"
        << "late_writes " << m_lateWrites << "\n"
        << "late_s " << m_lateS << "\n"
        << "late_max_ms " << m_lateMaxS * 1000 << "\n"
        << "drains " << m_drains << "\n"
        << "drain_late_s " << m_drainLateS << "\n"
        << "reactions " << sorted.size() << "\n"
        << "reaction_sum_s " << std::accumulate(sorted.begin(), sorted.end(), 0.0) << "\n"
        << "reaction_median_ms " << Quantile(sorted, 0.5) * 1000 << "\n"
        << "reaction_p99_ms " << Quantile(sorted, 0.99) * 1000 << "\n"
        << "reaction_max_ms " << (sorted.empty() ? 0 : sorted.back() * 1000) << "\n";
    return static_cast<bool>(out.flush());
}
