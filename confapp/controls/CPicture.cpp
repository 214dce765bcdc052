#include "CPicture.h"

// Placeholder until the pictures are drawn.
CPicture::CPicture(int bitmapId, QWidget* parent) : QWidget(parent), m_bitmapId(bitmapId) {}
void CPicture::SetBitmapId(int bitmapId) { m_bitmapId = bitmapId; update(); }
QSize CPicture::sizeHint() const { return {64, 64}; }
void CPicture::paintEvent(QPaintEvent*) {}
