// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for the serial port and the window timers, so that link tests
// run without a device and without waiting.
#include "ISerialPort.h"
#include "ITransferHost.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// A frame text as the telephone puts it on the line: STX, text, the checksum
// of a record frame, ETX, CR, LF.
std::string TelephoneFrame(const std::string& text);

// A port whose input the test queues and whose output it inspects.
class FakePort : public ISerialPort {
public:
    int Read(unsigned char* buffer, int max) override;
    // Each accepted Write is recorded as one line; a refused one takes nothing.
    int Write(const unsigned char* bytes, int len) override;

    void Queue(std::string_view bytes) { m_input.append(bytes); }
    bool HasInput() const { return !m_input.empty(); }
    void RefuseWrites(bool refuse) { m_refuse = refuse; }
    int RefusedWrites() const { return m_refused; }

    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& LastLine() const;
    // The lines written since the last call.
    std::vector<std::string> TakeNewLines();

private:
    std::string m_input;
    std::vector<std::string> m_lines;
    std::size_t m_taken = 0;
    bool m_refuse = false;
    int m_refused = 0;
};

// Timers on a virtual millisecond clock that moves only when told to.
class VirtualTimerHost : public ITransferHost {
public:
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    // Moves the clock without firing anything, as the real pause blocks the
    // window; timers that came due meanwhile fire at the next Advance.
    void Delay(int ms) override;
    // Queued here; RunPosted runs them on the test's thread.
    void Post(std::function<void()> fn) override;
    bool PausesWithTimer() const override { return pausesWithTimer; }
    bool pausesWithTimer = false;

    // Moves the clock by ms, firing due timers in time order (a repeating
    // timer as often as it comes due) through onTimer.
    void Advance(std::int64_t ms);
    // Runs what was posted, including what those calls post; the number run.
    int RunPosted();

    std::int64_t Now() const { return m_now; }
    bool IsRunning(int id) const { return m_timers.count(id) != 0; }
    const std::vector<int>& Delays() const { return m_delays; }

    std::function<void(int id)> onTimer;

private:
    struct Timer {
        std::int64_t due;
        int period;
        std::uint64_t order; // earlier start fires first at equal times
    };
    bool FireNext(std::int64_t until);

    std::int64_t m_now = 0;
    std::uint64_t m_started = 0;
    std::map<int, Timer> m_timers;
    std::vector<int> m_delays;
    std::mutex m_postMutex;
    std::deque<std::function<void()>> m_posted;
};

#include "CData_All.h"
#include "CTrans.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// A link on a fake port with a virtual clock, fed by the test as the
// telephone would feed it.
class LinkFixture : public ::testing::Test {
protected:
    // The link starts from the switches of identity.
    explicit LinkFixture(const Identity& identity = {}) : trans{data, TestSwitches(identity), port, timers}
    {
        timers.onTimer = [this](int id) { trans.OnTimer(id); };
    }

    void Receive(std::string_view bytes)
    {
        port.Queue(bytes);
        while (port.HasInput())
            trans.OnRxL1();
    }
    void Send(const std::string& text) { Receive(TelephoneFrame(text)); }

    TraceCapture trace;
    FakePort port;
    VirtualTimerHost timers;
    CData_All data;
    CTrans trans;
};
