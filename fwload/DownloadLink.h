// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the dialog and the command line share around the download protocol:
// the serial port with its notices brought onto the owner's thread, the
// window-style timers, and the loaded firmware.
#include "CChangeToIntel.h"
#include "CDownloadProtocol.h"
#include "CSio.h"
#include "FirmwareFile.h"
#include "QtTimerMap.h"
#include "SioNotify.h"

#include <QObject>

#include <functional>
#include <string>

class DownloadLink : public QObject, public ISioNotify {
public:
    // The view is only stored here; it is not called before the first notice.
    DownloadLink(IDownloadView& view, const DownloadOptions& options, QObject* parent = nullptr);
    ~DownloadLink() override;
    DownloadLink(const DownloadLink&) = delete;
    DownloadLink& operator=(const DownloadLink&) = delete;

    CDownloadProtocol& Protocol() { return m_protocol; }
    const CSio& Port() const { return m_sio; }
    const CChangeToIntel& Image() const { return m_image; }
    const FirmwareIdentity& Identity() const { return m_identity; }

    // Port n on its device at 9600 baud, 8N2, with buffers of 1024 bytes.
    void SetPort(int n, const std::string& device);
    // Opens with RTS/CTS; false leaves the reason in Port().
    bool OpenPort();
    void ClosePort();
    // Whatever the telephone sent before the user was ready is of no use.
    void DropReceived();
    // While the user reads a box the telephone's bytes wait in the port
    // (it announces them once, until they are read); Release hands them to
    // the protocol. Closing the port ends the hold too.
    void HoldReceived() { m_holding = true; }
    void ReleaseReceived();

    // Loads a hex file; after a failure the image is empty.
    FirmwareLoadResult Load(const std::string& hexPath);
    void ClearFirmware();
    // The same image from its first line again.
    void RewindFirmware() { m_image.Rewind(); }
    bool HasFirmware() const { return m_image.LineCount() > 0; }

    // Repeating until stopped; expiry goes to the protocol's OnTimer.
    void StartTimer(int id, int periodMs);
    void StopTimer(int id);
    void StopAllTimers();

    // On the port's watcher thread.
    void PostCommNotify(int notice) override;

    // Where the protocol's trace goes while it handles a notice or a timer
    // (TraceChannel); empty: the process's own trace file.
    void SetTraceName(std::string name) { m_traceName = std::move(name); }
    // Called after a notice that found the device gone; unset: the
    // protocol's time-outs end the download.
    std::function<void()> onDeviceGone;

private:
    void HandleNotice(int notice);

    CChangeToIntel m_image;
    FirmwareIdentity m_identity;
    DownloadOptions m_options;
    CSio m_sio;
    CDownloadProtocol m_protocol;
    QtTimerMap m_timers;
    std::string m_traceName;
    bool m_holding = false;
};
