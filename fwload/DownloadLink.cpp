// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadLink.h"

#include "Trace.h"

#include <QMetaObject>
#include <QTimer>

namespace {

constexpr int kBufferSize = 1024;

} // namespace

DownloadLink::DownloadLink(IDownloadView& view, const DownloadOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_protocol(m_sio, m_image, m_identity, m_options, view)
{
}

// The watcher must be gone before the object its notices are queued on.
DownloadLink::~DownloadLink()
{
    m_sio.Close();
}

void DownloadLink::SetPort(int n, const std::string& device)
{
    m_sio.SetPortNumber(n);
    m_sio.SetDevicePath(device);
    m_sio.SetBufferSizes(kBufferSize, kBufferSize);
    m_sio.SetParams("9600,8N2");
}

bool DownloadLink::OpenPort()
{
    if (m_sio.IsOpen())
        return true;
    if (!m_sio.Open(this))
        return false;
    TraceLine("DownloadDialog", "OpenPort(): SetFlowRtsCts after OpenPort");
    m_sio.SetFlowRtsCts(1);
    return true;
}

void DownloadLink::ClosePort()
{
    m_holding = false;
    m_sio.Close();
}

void DownloadLink::DropReceived()
{
    unsigned char buffer[kBufferSize];
    m_sio.Read(buffer, kBufferSize);
}

void DownloadLink::ReleaseReceived()
{
    m_holding = false;
    HandleNotice(CN_RECEIVE);
}

FirmwareLoadResult DownloadLink::Load(const std::string& hexPath)
{
    return LoadFirmware(hexPath, m_image, m_identity);
}

void DownloadLink::ClearFirmware()
{
    m_image.Clear();
    m_identity = {};
}

void DownloadLink::StartTimer(int id, int periodMs)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            const TraceChannel channel(m_traceName);
            m_protocol.OnTimer(id);
        });
    }
    timer->start(periodMs);
}

void DownloadLink::StopTimer(int id)
{
    if (auto it = m_timers.find(id); it != m_timers.end())
        it->second->stop();
}

void DownloadLink::StopAllTimers()
{
    for (auto& [id, timer] : m_timers)
        timer->stop();
}

void DownloadLink::PostCommNotify(int notice)
{
    QMetaObject::invokeMethod(this, [this, notice] { HandleNotice(notice); }, Qt::QueuedConnection);
}

// A notice queued before the port was closed finds nothing to read.
void DownloadLink::HandleNotice(int notice)
{
    if (!m_sio.IsOpen() || m_holding)
        return;
    const TraceChannel channel(m_traceName);
    if (notice == CN_RECEIVE)
        m_protocol.OnReceive();
    else if (notice == CN_TRANSMIT)
        m_protocol.OnTransmitReady();
    if (onDeviceGone && m_sio.IsOpen() && m_sio.DeviceGone())
        onDeviceGone();
}
