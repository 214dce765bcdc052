// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's side of a port on Windows: the COM device with its control
// block, reads that return at once, and the start of overlapped writes.
#include "SioPortWin32.h"

#include "DcbLine.h"
#include "PathText.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <mutex>
#include <set>

namespace {

// How long Close lets written output leave before it discards the rest (as on Linux).
constexpr DWORD kCloseDrainMs = 300;
// How long a read of bytes already queued may take.
constexpr DWORD kReadWaitMs = 100;

// "COM10" and above open only through the device namespace; "COM1" opens
// either way, so every name the user did not give as a full device path goes through it.
std::wstring DeviceNameForOpen(const std::string& device)
{
    if (device.starts_with("\\\\"))
        return WideText(device);
    return L"\\\\.\\" + WideText(device);
}

CSio::OpenError OpenErrorOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_UNIT:
        return CSio::OpenError::NotFound;
    // A COM port has one holder at a time; the driver refuses every other.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return CSio::OpenError::Busy;
    default:
        return CSio::OpenError::Other;
    }
}

// Windows gives a COM port to one handle at a time, but Wine does not, and
// a program that serves several telephones must never open one port twice:
// the ports this process holds are claimed here too.
class PortClaims {
public:
    static bool Claim(const std::wstring& name)
    {
        std::lock_guard lock(Mutex());
        return Names().insert(Key(name)).second;
    }
    static void Release(const std::wstring& name)
    {
        std::lock_guard lock(Mutex());
        Names().erase(Key(name));
    }

private:
    static std::wstring Key(std::wstring name)
    {
        for (wchar_t& c : name)
            c = static_cast<wchar_t>(std::towupper(c));
        return name;
    }
    static std::mutex& Mutex()
    {
        static std::mutex mutex;
        return mutex;
    }
    static std::set<std::wstring>& Names()
    {
        static std::set<std::wstring> names;
        return names;
    }
};

HANDLE NewEvent(bool manualReset)
{
    return ::CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr);
}

} // namespace

std::string DefaultDeviceForPort(int n)
{
    return "COM" + std::to_string(n);
}

bool CSio::OsPort::DrainBriefly()
{
    const ULONGLONG until = ::GetTickCount64() + kCloseDrainMs;
    do {
        std::size_t written = 0;
        if (writePending && ::WaitForSingleObject(writeDone, 0) == WAIT_OBJECT_0)
            (void)FinishWrite(written);
        if (!writePending && QueuedOutput() <= 0)
            return true;
        ::Sleep(2);
    } while (::GetTickCount64() < until);
    return false;
}

CSio::CSio() : m_os(std::make_unique<OsPort>()) {}

CSio::~CSio()
{
    Close();
}

int CSio::ApplyLine(bool withFlow) const
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(m_os->port, &dcb))
        return -1;
    FillDcb(m_line, withFlow, m_dtr, dcb);
    return ::SetCommState(m_os->port, &dcb) ? 0 : -1;
}

void CSio::SetFlowRtsCts(int on)
{
    m_rtsCts = on != 0;
    // The control block drives RTS: by the handshake when on, low when off.
    if (IsOpen())
        (void)ApplyLine(m_rtsCts); // a refusal is ignored
}

void CSio::SetDtr(int on)
{
    m_dtr = on != 0;
    // Fails on ports without modem lines: ignored.
    if (IsOpen())
        (void)::EscapeCommFunction(m_os->port, m_dtr ? SETDTR : CLRDTR);
}

bool CSio::OpenDevice()
{
    OsPort& port = *m_os;
    const std::wstring name = DeviceNameForOpen(m_openedPath);
    if (!PortClaims::Claim(name)) {
        FailOpen(OpenError::Busy, ERROR_ACCESS_DENIED);
        return false;
    }
    port.claimed = name;
    port.port = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (port.port == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        FailOpen(OpenErrorOf(code), static_cast<int>(code));
        return false;
    }
    // Only a serial port has a control block; anything else that has the name is refused here.
    DCB probe{};
    probe.DCBlength = sizeof probe;
    if (!::GetCommState(port.port, &probe)) {
        FailOpen(OpenError::Other, static_cast<int>(::GetLastError()));
        return false;
    }
    (void)::SetupComm(port.port, static_cast<DWORD>(m_rxSize), static_cast<DWORD>(m_txSize)); // a request only
    if (ApplyLine(m_rtsCts) != 0 && (!m_rtsCts || ApplyLine(false) != 0)) {
        FailOpen(OpenError::Other, static_cast<int>(::GetLastError()));
        return false;
    }
    // Reads return at once with what has arrived, like termios with VMIN and VTIME 0.
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 0};
    port.wake = NewEvent(false);
    port.writeDone = NewEvent(true);
    port.readDone = NewEvent(true);
    if (!::SetCommTimeouts(port.port, &timeouts) || !port.wake || !port.writeDone || !port.readDone) {
        FailOpen(OpenError::Other, static_cast<int>(::GetLastError()));
        return false;
    }
    (void)::PurgeComm(port.port, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    return true;
}

void CSio::ReleaseDevice(bool letOutputLeave)
{
    OsPort& port = *m_os;
    if (port.port != INVALID_HANDLE_VALUE) {
        // As on Linux: output that has not left after the drain is discarded,
        // a drained queue is left alone.
        const bool drained = letOutputLeave && port.DrainBriefly();
        (void)::PurgeComm(port.port, PURGE_RXABORT | PURGE_RXCLEAR | (drained ? 0 : PURGE_TXABORT | PURGE_TXCLEAR));
        if (port.writePending) {
            DWORD ignored = 0;
            (void)::CancelIoEx(port.port, &port.writeOverlapped);
            (void)::GetOverlappedResult(port.port, &port.writeOverlapped, &ignored, TRUE);
            port.writePending = false;
        }
        ::CloseHandle(port.port);
    }
    port.port = INVALID_HANDLE_VALUE;
    port.CloseHandles();
    if (!port.claimed.empty())
        PortClaims::Release(port.claimed);
    port.claimed.clear();
}

void CSio::OsPort::CloseHandles()
{
    for (HANDLE* handle : {&wake, &writeDone, &readDone}) {
        if (*handle)
            ::CloseHandle(*handle);
        *handle = nullptr;
    }
}

// Only what the input queue holds is asked for: an overlapped read of an
// empty queue may stay pending despite the timeouts of Open (Wine's ports
// do so), and Read must never block.
int CSio::Read(unsigned char* buffer, int max)
{
    if (!IsOpen() || max <= 0 || buffer == nullptr)
        return 0;
    // Cleared before reading: input arriving from here on brings a new notice.
    const bool wasNotified = m_rxNotified.exchange(false);
    DWORD queued = 0;
    DWORD output = 0;
    if (!m_os->Queues(queued, output) || queued == 0)
        return 0;
    const DWORD wanted = std::min(queued, static_cast<DWORD>(max));
    const DWORD got = m_os->ReadQueued(buffer, wanted);
    // A full buffer may have left bytes behind that no new input will announce.
    if (wasNotified && got == static_cast<DWORD>(max))
        Wake();
    return static_cast<int>(got);
}

DWORD CSio::OsPort::ReadQueued(unsigned char* buffer, DWORD count) const
{
    OVERLAPPED overlapped{};
    overlapped.hEvent = readDone;
    DWORD got = 0;
    if (::ReadFile(port, buffer, count, &got, &overlapped))
        return got;
    if (::GetLastError() != ERROR_IO_PENDING)
        return 0;
    // The bytes are there, so the read completes at once; should it not, it is
    // given up rather than holding the owner's thread.
    if (::WaitForSingleObject(readDone, kReadWaitMs) != WAIT_OBJECT_0)
        (void)::CancelIoEx(port, &overlapped);
    return ::GetOverlappedResult(port, &overlapped, &got, TRUE) ? got : 0;
}

bool CSio::OsPort::StartWrite(const unsigned char* bytes, std::size_t count, std::size_t& written)
{
    written = 0;
    ::ResetEvent(writeDone);
    writeOverlapped = {};
    writeOverlapped.hEvent = writeDone;
    DWORD done = 0;
    if (::WriteFile(port, bytes, static_cast<DWORD>(count), &done, &writeOverlapped)) {
        written = done;
        return true;
    }
    if (::GetLastError() != ERROR_IO_PENDING)
        return false;
    writePending = true;
    return true;
}

bool CSio::OsPort::FinishWrite(std::size_t& written)
{
    DWORD done = 0;
    const bool ok = ::GetOverlappedResult(port, &writeOverlapped, &done, FALSE) != 0;
    writePending = false;
    written = ok ? done : 0;
    return ok;
}

int CSio::Write(const unsigned char* bytes, int len)
{
    if (!IsOpen() || len <= 0 || bytes == nullptr)
        return 0;
    std::size_t n = 0;
    bool drainedNow = false;
    {
        std::lock_guard lock(m_txMutex);
        if (m_txDone < m_txLen || m_os->writePending)
            return 0; // the previous write is still being handed to the driver
        n = std::min(static_cast<std::size_t>(len), m_txBuffer.size());
        std::memcpy(m_txBuffer.data(), bytes, n);
        std::size_t written = 0;
        if (!m_os->StartWrite(m_txBuffer.data(), n, written)) {
            m_txLen = 0;
            m_txDone = 0;
            return 0;
        }
        m_txLen = n;
        m_txDone = written;
        drainedNow = !m_os->writePending && m_txDone == m_txLen && m_os->QueuedOutput() <= 0;
        m_txAwaitDrain = !drainedNow;
    }
    if (drainedNow)
        m_owner->PostCommNotify(CN_TRANSMIT);
    else
        Wake(); // the watcher completes the write and reports the drain
    return static_cast<int>(n);
}
