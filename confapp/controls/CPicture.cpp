// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPicture.h"

#include "PictureArt.h"
#include "Trace.h"

#include <QPainter>

CPicture::CPicture(int bitmapId, QWidget* parent) : QWidget(parent), m_bitmapId(bitmapId)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CPicture::SetBitmapId(int bitmapId)
{
    m_bitmapId = bitmapId;
    m_missingTraced = false;
    updateGeometry();
    update();
}

QSize CPicture::sizeHint() const
{
    return PictureArt::Size(m_bitmapId);
}

bool CPicture::Exists(int bitmapId)
{
    return PictureArt::Size(bitmapId).isValid() && !PictureArt::Size(bitmapId).isEmpty();
}

bool CPicture::Draw(QPainter& painter, int bitmapId, QPoint position)
{
    if (!Exists(bitmapId)) {
        TraceLine("CDIBmp", "Can't find Bitmap resource!");
        return false;
    }
    painter.save();
    painter.translate(position);
    PictureArt::Draw(painter, bitmapId);
    painter.restore();
    return true;
}

void CPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A missing picture is reported once, not on every repaint.
    if (!Exists(m_bitmapId)) {
        if (!m_missingTraced)
            TraceLine("CDIBmp", "Can't find Bitmap resource!");
        m_missingTraced = true;
        return;
    }
    Draw(painter, m_bitmapId, QPoint(0, 0));
}
