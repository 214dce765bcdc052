// SPDX-License-Identifier: GPL-3.0-or-later
// What a port does the same way on every platform: its settings, the checks
// before an open, and the order of opening and closing.
#include "CSio.h"

#include <algorithm>
#include <new>
#include <system_error>

namespace {

// Bounds of the wait for handed-over output to drain (the driver's output
// queue has no wake-up): a look at least every 100 ms while flow control
// holds the line.
constexpr int kDrainWaitMinMs = 1;
constexpr int kDrainWaitMaxMs = 100;

} // namespace

void CSio::SetPortNumber(int n)
{
    m_portNumber = n;
}

void CSio::SetDevicePath(std::string path)
{
    m_devicePath = std::move(path);
}

int CSio::SetBufferSizes(int rx, int tx)
{
    // txSize is the staging buffer that Open allocates; rxSize is a request
    // to the driver where it takes one (Windows) and unused where it sizes
    // its own queue (termios).
    if (rx <= 0 || tx <= 0)
        return 0;
    m_rxSize = rx;
    m_txSize = tx;
    return 1;
}

int CSio::SetParams(std::string_view settings)
{
    m_settingsOk = 0;
    if (!ParseLineSettings(settings, m_line))
        return 0;
    m_charMicros = CharMicros(m_line);
    if (IsOpen())
        m_settingsOk = ApplyLine(m_rtsCts) == 0 ? 1 : 0;
    else
        m_settingsOk = 1;
    return m_settingsOk;
}

void CSio::FailOpen(OpenError error, int err)
{
    m_openError = error;
    m_openErrno = err;
    ReleaseDevice(false);
    m_open = false;
    m_txBuffer = {};
    m_owner = nullptr;
}

bool CSio::CheckBeforeOpen(ISioNotify* owner)
{
    if (IsOpen()) {
        m_openError = OpenError::AlreadyOpen;
        m_openErrno = 0;
        return false;
    }
    m_openError = OpenError::None;
    m_openErrno = 0;
    if (owner == nullptr)
        FailOpen(OpenError::Other, 0);
    else if (m_settingsOk == 0)
        FailOpen(OpenError::BadSettings, 0);
    else if (m_portNumber < 1 || m_portNumber > 255)
        FailOpen(OpenError::BadPortNumber, 0);
    return m_openError == OpenError::None;
}

int CSio::Open(ISioNotify* owner)
{
    if (!CheckBeforeOpen(owner))
        return 0;
    // Allocated before the device is opened, so that a refusal leaves nothing to undo.
    try {
        m_txBuffer.assign(static_cast<std::size_t>(m_txSize), 0);
    } catch (const std::bad_alloc&) {
        FailOpen(OpenError::Other, 0);
        return 0;
    }
    m_openedPath = m_devicePath.empty() ? DefaultDeviceForPort(m_portNumber) : m_devicePath;
    if (!OpenDevice())
        return 0;
    m_open = true;
    return StartWatcher(owner) ? 1 : 0;
}

bool CSio::StartWatcher(ISioNotify* owner)
{
    ClearStagedWrite();
    m_owner = owner;
    m_rxNotified = false;
    m_deviceGone = false;
    m_stopRequested = false;
    try {
        m_watcher = std::thread(&CSio::WatchLoop, this);
    } catch (const std::system_error& e) {
        FailOpen(OpenError::Other, e.code().value());
        return false;
    }
    return true;
}

// About as long as the queued characters take on the line.
int CSio::DrainWaitMs(int queued) const
{
    const long long micros = static_cast<long long>(queued) * m_charMicros.load();
    return static_cast<int>(std::clamp<long long>((micros + 999) / 1000, kDrainWaitMinMs, kDrainWaitMaxMs));
}

void CSio::ClearStagedWrite()
{
    std::lock_guard lock(m_txMutex);
    m_txLen = 0;
    m_txDone = 0;
    m_txAwaitDrain = false;
}

void CSio::Close()
{
    if (m_watcher.joinable()) {
        m_stopRequested = true;
        Wake();
        m_watcher.join();
    }
    if (IsOpen())
        ReleaseDevice(true);
    m_open = false;
    ClearStagedWrite();
    {
        std::lock_guard lock(m_txMutex);
        m_txBuffer = {};
    }
    m_rxNotified = false;
    m_stopRequested = false;
    m_owner = nullptr;
}
