// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several telephones served at once, as on a production bench: one row per
// telephone with its percent and state, then a summary table and the
// command that retries exactly the telephones that did not succeed. On a
// terminal the rows stand one per line and are rewritten in place;
// elsewhere (a log file, a pipe) every change worth telling is one line.
// Texts are UTF-8.
#include "BenchTargets.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// The reason for a telephone the user cancelled, shared by the programs.
inline constexpr const char* kBenchInterrupted = "mit Strg+C";

class BenchBoard {
public:
    using Clock = std::chrono::steady_clock;
    enum class Result { Running, Succeeded, Failed, Refused, Cancelled, PortFailed };

    // terminalColumns: the terminal's width, rows are cut to fit it; 0 when
    // out is no terminal.
    BenchBoard(std::ostream& out, int terminalColumns, std::function<Clock::time_point()> clock = Clock::now);

    // A telephone, shown by label; its time runs from now. Its row number.
    int Add(std::string label, BenchTarget target);
    void SetState(int row, std::string state);
    void SetPercent(int row, int percent);
    // The first result counts; later ones are ignored.
    void Finish(int row, Result result, std::string reason = {});

    bool AllFinished() const;
    bool IsRunning(int row) const { return m_rows[row].result == Result::Running; }
    int Count(Result result) const;
    // 0 when every telephone succeeded, 2 when a port could not be opened,
    // otherwise 1.
    int ExitStatus() const;

    // The table, then for the telephones that did not succeed the program's
    // arguments with these telephones alone.
    void PrintSummary(const std::vector<std::string>& arguments) const;

    // Something else is printed below the rows now: at their next change
    // they are drawn anew under it instead of over it.
    void LeaveRows() { m_drawn = false; }

    // Called once when the last telephone has its result.
    std::function<void()> onAllFinished;

private:
    struct Row {
        std::string label;
        BenchTarget target;
        Clock::time_point started;
        Clock::time_point ended;
        int percent = 0;
        std::string state;
        Result result = Result::Running;
        std::string reason;
    };

    std::string RowText(const Row& row) const;
    void Changed(const std::string& plainLine);
    void Redraw();

    std::ostream& m_out;
    int m_columns;
    std::function<Clock::time_point()> m_clock;
    std::vector<Row> m_rows;
    std::size_t m_labelWidth = 0;
    bool m_drawn = false;
};
