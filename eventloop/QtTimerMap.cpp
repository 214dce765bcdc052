// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTimerMap.h"

#include <QTimer>

QtTimerMap::QtTimerMap(QObject& owner, Qt::TimerType type, std::function<void(int id)> onTimeout)
    : m_owner(owner), m_type(type), m_onTimeout(std::move(onTimeout))
{
}

// Children of the owner, which holds the map: they go only in its
// destructor, where no timeout is delivered any more.
void QtTimerMap::Start(int id, int periodMs)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(&m_owner);
        timer->setTimerType(m_type);
        QObject::connect(timer, &QTimer::timeout, &m_owner, [this, id] { m_onTimeout(id); });
    }
    timer->start(periodMs);
}

void QtTimerMap::Stop(int id)
{
    if (auto it = m_timers.find(id); it != m_timers.end())
        it->second->stop();
}

void QtTimerMap::StopAll()
{
    for (auto& [id, timer] : m_timers)
        timer->stop();
}
