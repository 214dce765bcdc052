// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTransferHost.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>

QtTransferHost::QtTransferHost(QObject* parent) : QObject(parent) {}

void QtTransferHost::SetTimer(int id, int periodMs)
{
    QTimer*& timer = m_timers[id];
    if (!timer) {
        timer = new QTimer(this);
        // A coarse timer may fire 5 % early; the pause must last its 300 ms.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (onTimer)
                onTimer(id);
        });
    }
    timer->start(periodMs);
}

void QtTransferHost::KillTimer(int id)
{
    if (auto it = m_timers.find(id); it != m_timers.end())
        it->second->stop();
}

// The protocol pauses before its handshake answer and its end record; the
// telephone expects the pause, and bytes arriving meanwhile wait in the port.
void QtTransferHost::Delay(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void QtTransferHost::Post(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}
