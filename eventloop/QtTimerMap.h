// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window-style timers the cores ask their hosts for, on the owner's Qt
// event loop: each id repeats until stopped, and starting an id again
// restarts its one timer with the new period.
#include <QObject>

#include <functional>
#include <map>

class QTimer;

class QtTimerMap {
public:
    // The timers belong to owner and call onTimeout(id) on its thread.
    QtTimerMap(QObject& owner, Qt::TimerType type, std::function<void(int id)> onTimeout);

    void Start(int id, int periodMs);
    void Stop(int id);
    void StopAll();

private:
    QObject& m_owner;
    Qt::TimerType m_type;
    std::function<void(int id)> m_onTimeout;
    std::map<int, QTimer*> m_timers;
};
