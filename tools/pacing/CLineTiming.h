// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How punctual the simulated line was: how late the simulator wrote what was
// due, and how long the PC took from the simulator's last answer to its next
// bytes. A benchmark reads these figures to tell the simulator's own delays
// from the PC's.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CLineTiming {
public:
    using Clock = std::chrono::steady_clock;

    // Something due at `due` was written at `now`. Lateness within a burst
    // is caught up by the bytes after it; only at the end of a burst
    // (drained: nothing more on the way) does it delay the PC.
    void Wrote(Clock::time_point due, Clock::time_point now, bool drained);
    // A write of `bytes`; the PC's reaction is timed from the last write.
    void Answered(Clock::time_point now, std::size_t bytes);
    // `bytes` from the PC were read.
    void Heard(Clock::time_point now, std::size_t bytes);

    // "name value" lines; false when the file cannot be written.
    bool WriteReport(const std::string& path) const;

private:
    double m_lateS = 0;
    double m_lateMaxS = 0;
    double m_drainLateS = 0;
    long m_drains = 0;
    long m_lateWrites = 0;
    std::size_t m_bytesWritten = 0;
    std::size_t m_bytesRead = 0;
    std::optional<Clock::time_point> m_lastWrite;
    std::vector<double> m_reactionsS;
};
