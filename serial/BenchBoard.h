// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several telephones served at once, as on a production bench: one row per
// telephone with its percent and state, then a summary table and the
// command that retries exactly the telephones that did not succeed. On a
// terminal the rows stand one per line and are rewritten in place;
// elsewhere (a log file, a pipe) every change worth telling is one line.
// Texts are UTF-8.
#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// How the command line named one telephone: {"--device", path} or {"--port", "3"}.
struct BenchTarget {
    std::string option;
    std::string value;
};

// --device or --port more than once: several telephones. (One of each is
// one telephone, however the program takes that.)
bool SeveralBenchTargets(const std::vector<BenchTarget>& targets);
// Both options among them.
bool MixedBenchTargets(const std::vector<BenchTarget>& targets);

// A telephone of the command line with its device.
struct BenchTelephone {
    BenchTarget target;
    // A device named with --device belongs to no COM port; the port still needs a number.
    int port = 1;
    std::string device;
    std::string label;     // the device, or "COM 3 (/dev/ttyS2)"
    std::string howToName; // for a device taken from the profile (PortOpenFailureReason)
};

// The devices of --port from deviceForPort, profilePath for the hint how to
// name one. False with a message in error when two name the same device,
// which would only take the other's answers.
bool ResolveBenchTargets(const std::vector<BenchTarget>& targets, const std::function<std::string(int)>& deviceForPort,
                         std::string_view profilePath, std::vector<BenchTelephone>& telephones, std::string& error);

// Reasons shared by the programs.
inline constexpr const char* kBenchDeviceGone = "Das Gerät ist nicht mehr da (Adapter abgezogen oder Kabel getrennt?).";
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
    int Size() const { return static_cast<int>(m_rows.size()); }
    int Count(Result result) const;
    // 0 when every telephone succeeded, 2 when a port could not be opened,
    // otherwise 1.
    int ExitStatus() const;

    // The table, then for the telephones that did not succeed the program's
    // arguments with these telephones alone.
    void PrintSummary(const std::vector<std::string>& arguments) const;

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
    std::vector<std::string> RetryArguments(const std::vector<std::string>& arguments) const;

    std::ostream& m_out;
    int m_columns;
    std::function<Clock::time_point()> m_clock;
    std::vector<Row> m_rows;
    std::size_t m_labelWidth = 0;
    bool m_drawn = false;
};

// The word for a result in the table ("fertig", "Fehler" ...).
const char* BenchResultText(BenchBoard::Result result);
// A command line as a shell takes it: arguments with blanks or special
// characters in single quotes.
std::string ShellCommand(const std::vector<std::string>& arguments);
