// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTransferHost.h"

#include <QMetaObject>
#include <QThread>

// A coarse timer may fire 5 % early; the pause must last its 300 ms.
QtTransferHost::QtTransferHost(QObject* parent)
    : QObject(parent), m_timers(*this, Qt::PreciseTimer, [this](int id) {
          if (onTimer)
              onTimer(id);
      })
{
}

void QtTransferHost::SetTimer(int id, int periodMs)
{
    m_timers.Start(id, periodMs);
}

void QtTransferHost::KillTimer(int id)
{
    m_timers.Stop(id);
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
