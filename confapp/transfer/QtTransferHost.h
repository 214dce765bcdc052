// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer host on a Qt event loop: window-style repeating timers by
// id, queued calls onto the owner's thread, and the handshake pauses.
#include "ITransferHost.h"
#include "QtTimerMap.h"

#include <QObject>

#include <functional>

class QtTransferHost : public QObject, public ITransferHost {
public:
    explicit QtTransferHost(QObject* parent = nullptr);

    // Every expired timer goes here (the runner's OnTimer).
    std::function<void(int id)> onTimer;

    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void Delay(int ms) override;
    void Post(std::function<void()> fn) override;
    bool PausesWithTimer() const override { return m_pausesWithTimer; }
    // On for each telephone of a run that serves several at once.
    void SetPausesWithTimer(bool on) { m_pausesWithTimer = on; }

private:
    QtTimerMap m_timers;
    bool m_pausesWithTimer = false;
};
