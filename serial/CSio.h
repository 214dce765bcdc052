// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One serial port: termios on Linux, the communications functions on
// Windows (CSioPosix.cpp, CSioWin32.cpp and their watchers). A watcher
// thread watches the port and posts receive and transmit notices to the
// owner; Read and Write never block the owner's thread.
//
// The port is named by a number n ("COMn"); which device that is comes from
// SetDevicePath (the caller looks it up in the user's profile), else
// DefaultDeviceForPort(n). The library back end of the older 16-bit hosts
// does not exist on these platforms and is never selected.
#include "ISerialPort.h"
#include "LineSettings.h"
#include "SioNotify.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class CSio : public ISerialPort {
public:
    // Why the last Open failed, so that callers can add a hint to their message.
    enum class OpenError { None, BadSettings, BadPortNumber, AlreadyOpen, NotFound, Busy, PermissionDenied, Other };

    CSio();
    ~CSio() override;
    CSio(const CSio&) = delete;
    CSio& operator=(const CSio&) = delete;

    void SetPortNumber(int n);
    // The device for the port number; empty: DefaultDeviceForPort(n).
    void SetDevicePath(std::string path);
    int SetBufferSizes(int rx, int tx);
    // "9600,8N1": baud (3 to 7 digits, at least 120), separator, data bits
    // 5-8, parity N/O/E (any case), stop bits 1/2. 1 when accepted.
    int SetParams(std::string_view settings);

    // 1 when the port is open; on failure the object stays closed and reusable.
    int Open(ISioNotify* owner);
    void SetFlowRtsCts(int on);
    void SetDtr(int on);
    int Read(unsigned char* buffer, int max) override;
    int Write(const unsigned char* bytes, int len) override;
    // Wakes and joins the watcher, then closes; safe when already closed.
    void Close();

    bool IsOpen() const { return m_open; }
    int PortNumber() const { return m_portNumber; }
    // The device the last Open used.
    const std::string& DevicePath() const { return m_openedPath; }
    OpenError LastOpenError() const { return m_openError; }
    // The device hung up or went away (an adapter pulled out) since Open.
    bool DeviceGone() const { return m_deviceGone.load(); }
    // The system's error of the last failed Open: errno on Linux, the Win32
    // error code on Windows.
    int LastErrno() const { return m_openErrno; }

private:
    // The platform's handles of the open port (SioPortPosix.h, SioPortWin32.h).
    struct OsPort;

    // The platform's part: the device opened with the settings applied and
    // the watcher's means of waking; false with m_openError set.
    bool OpenDevice();
    int ApplyLine(bool withFlow) const;
    // Closes what OpenDevice opened; letOutputLeave: written output gets a
    // moment to leave first.
    void ReleaseDevice(bool letOutputLeave);
    void Wake() const;
    void WatchLoop();
    void ContinueWrite();

    int DrainWaitMs(int queued) const;
    bool CheckBeforeOpen(ISioNotify* owner);
    bool StartWatcher(ISioNotify* owner);
    void FailOpen(OpenError error, int err);
    void ClearStagedWrite();

    std::unique_ptr<OsPort> m_os;
    bool m_open = false;
    std::string m_openedPath;
    OpenError m_openError = OpenError::None;
    int m_openErrno = 0;

    // Settings (owner thread only).
    int m_portNumber = -1;
    std::string m_devicePath;
    int m_rxSize = 4096;
    int m_txSize = 4096;
    int m_settingsOk = 0;
    LineSettings m_line;
    bool m_rtsCts = false;
    bool m_dtr = false;
    // One character on the line, for the watcher's drain waits.
    std::atomic<int> m_charMicros{1042};

    // Set before the watcher starts, cleared after it has been joined.
    ISioNotify* m_owner = nullptr;
    std::thread m_watcher;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_rxNotified{false};
    std::atomic<bool> m_deviceGone{false};

    // The staged write, shared by the owner thread and the watcher.
    std::mutex m_txMutex;
    std::vector<unsigned char> m_txBuffer; // txSize bytes while open
    std::size_t m_txLen = 0;   // bytes staged by the last Write
    std::size_t m_txDone = 0;  // of those, handed to the driver
    bool m_txAwaitDrain = false; // CN_TRANSMIT due once the output has drained
};

// The device of port n when the profile names none: /dev/ttyS<n-1> on
// Linux, COMn on Windows.
std::string DefaultDeviceForPort(int n);
