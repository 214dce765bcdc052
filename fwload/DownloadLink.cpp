// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadLink.h"

#include "Trace.h"

#include <QMetaObject>

namespace {

constexpr int kBufferSize = 1024;

} // namespace

DownloadLink::DownloadLink(IDownloadView& view, const DownloadOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_protocol(m_sio, m_image, m_identity, m_options, view),
      m_timers(*this, Qt::CoarseTimer, [this](int id) {
          const TraceChannel channel(m_traceName);
          m_protocol.OnTimer(id);
      })
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
    m_timers.Start(id, periodMs);
}

void DownloadLink::StopTimer(int id)
{
    m_timers.Stop(id);
}

void DownloadLink::StopAllTimers()
{
    m_timers.StopAll();
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
