// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureArt.h"

#include <QPainter>
#include <QPainterPath>

namespace PictureArt {

namespace {

const QColor kInk(40, 40, 48);
const QColor kBody(214, 218, 226);
const QColor kDark(92, 98, 112);
const QColor kScreen(170, 200, 160);

void SetInk(QPainter& p, qreal width = 1.5)
{
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Caption(QPainter& p, const QRectF& r, const QString& text)
{
    QFont font = p.font();
    font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 0.85 : 7.0);
    p.save();
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    p.restore();
}

// A loudspeaker cone facing right with `waves` sound arcs.
void Speaker(QPainter& p, const QRectF& r, int waves)
{
    const qreal h = r.height();
    const qreal x = r.left();
    const qreal cy = r.center().y();
    QPainterPath cone;
    cone.moveTo(x, cy - h * 0.15);
    cone.lineTo(x + h * 0.2, cy - h * 0.15);
    cone.lineTo(x + h * 0.45, cy - h * 0.4);
    cone.lineTo(x + h * 0.45, cy + h * 0.4);
    cone.lineTo(x + h * 0.2, cy + h * 0.15);
    cone.lineTo(x, cy + h * 0.15);
    cone.closeSubpath();
    SetInk(p, h > 24 ? 1.5 : 1.0);
    p.setBrush(kDark);
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= waves; ++i) {
        const qreal radius = h * (0.12 + 0.15 * i);
        const QRectF arc(x + h * 0.45 - radius, cy - radius, 2 * radius, 2 * radius);
        p.drawArc(arc, -40 * 16, 80 * 16);
    }
}

// A handset lying on its side: two cups joined by a curved grip.
void Handset(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath path;
    path.moveTo(r.left(), r.top() + h * 0.55);
    path.cubicTo(r.left(), r.top(), r.right(), r.top(), r.right(), r.top() + h * 0.55);
    path.lineTo(r.right() - w * 0.22, r.bottom());
    path.lineTo(r.right() - w * 0.3, r.top() + h * 0.5);
    path.cubicTo(r.right() - w * 0.35, r.top() + h * 0.3, r.left() + w * 0.35, r.top() + h * 0.3,
                 r.left() + w * 0.3, r.top() + h * 0.5);
    path.lineTo(r.left() + w * 0.22, r.bottom());
    path.closeSubpath();
    SetInk(p);
    p.setBrush(kDark);
    p.drawPath(path);
}

// A desk telephone: body, display, keypad and the handset on top.
void Telephone(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF body(r.left(), r.top() + h * 0.3, w, h * 0.7);
    SetInk(p);
    p.setBrush(kBody);
    p.drawRoundedRect(body, w * 0.1, w * 0.1);
    Handset(p, QRectF(r.left() + w * 0.05, r.top(), w * 0.9, h * 0.32));
    SetInk(p, 1.0);
    p.setBrush(kScreen);
    p.drawRect(QRectF(body.left() + w * 0.15, body.top() + h * 0.08, w * 0.7, h * 0.14));
    p.setBrush(kDark);
    const qreal key = w * 0.11;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(body.left() + w * (0.22 + 0.2 * col), body.top() + h * (0.3 + 0.12 * row), key,
                              key * 0.7));
}

void LabelledBox(QPainter& p, const QRectF& r, const QString& label)
{
    SetInk(p);
    p.setBrush(kBody);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(kInk);
    p.drawText(r, Qt::AlignCenter, label);
}

void Monitor(QPainter& p, const QRectF& r)
{
    SetInk(p);
    p.setBrush(kBody);
    const QRectF screen(r.left(), r.top(), r.width(), r.height() * 0.75);
    p.drawRoundedRect(screen, 3, 3);
    p.setBrush(kScreen);
    p.drawRect(screen.adjusted(5, 5, -5, -5));
    p.setBrush(kBody);
    p.drawRect(QRectF(r.center().x() - 4, screen.bottom(), 8, r.height() * 0.12));
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.bottom() - r.height() * 0.13, r.width() * 0.6,
                      r.height() * 0.13));
}

void Wire(QPainter& p, QPointF from, QPointF to)
{
    SetInk(p, 2.0);
    p.drawLine(from, to);
}

// The telephone either at the exchange line or on the internal bus of a PBX.
void Connections(QPainter& p)
{
    Telephone(p, QRectF(4, 22, 44, 44));
    LabelledBox(p, QRectF(120, 4, 96, 26), QStringLiteral("Amt"));
    LabelledBox(p, QRectF(120, 58, 96, 26), QStringLiteral("Telefonanlage"));
    Wire(p, QPointF(48, 44), QPointF(84, 44));
    Wire(p, QPointF(84, 17), QPointF(120, 17));
    Wire(p, QPointF(84, 71), QPointF(120, 71));
    p.setPen(QPen(kInk, 1.5, Qt::DashLine));
    p.drawLine(QPointF(84, 17), QPointF(84, 71));
}

void DataCable(QPainter& p)
{
    Monitor(p, QRectF(4, 4, 64, 56));
    Telephone(p, QRectF(150, 12, 46, 46));
    p.setPen(QPen(kInk, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(68, 34);
    cable.cubicTo(100, 60, 120, 10, 150, 40);
    p.drawPath(cable);
    Caption(p, QRectF(0, 62, 72, 24), QStringLiteral("PC"));
    Caption(p, QRectF(136, 62, 72, 24), QStringLiteral("Telefon"));
    Caption(p, QRectF(64, 62, 90, 24), QStringLiteral("serielles Kabel"));
}

void Pabx(QPainter& p)
{
    LabelledBox(p, QRectF(50, 4, 80, 22), QStringLiteral("Amt"));
    Wire(p, QPointF(90, 26), QPointF(90, 38));
    LabelledBox(p, QRectF(30, 38, 120, 26), QStringLiteral("Telefonanlage"));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 20 + 60 * i;
        Wire(p, QPointF(90, 64), QPointF(x + 16, 78));
        Telephone(p, QRectF(x, 78, 32, 32));
    }
}

} // namespace

QSize Size(int bitmapId)
{
    switch (bitmapId) {
    case kVolumeLow:
    case kVolumeHigh:
        return {16, 16};
    case kLoudspeaker:
    case kHandset:
        return {40, 40};
    case kConnections:
        return {220, 90};
    case kDataCable:
        return {210, 90};
    case kPabx:
        return {180, 112};
    default:
        return {};
    }
}

bool Draw(QPainter& painter, int bitmapId)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    switch (bitmapId) {
    case kVolumeLow: Speaker(painter, QRectF(1, 2, 14, 12), 1); break;
    case kVolumeHigh: Speaker(painter, QRectF(0, 0, 16, 16), 3); break;
    case kLoudspeaker: Speaker(painter, QRectF(2, 2, 36, 36), 3); break;
    case kHandset: Handset(painter, QRectF(2, 10, 36, 20)); break;
    case kConnections: Connections(painter); break;
    case kDataCable: DataCable(painter); break;
    case kPabx: Pabx(painter); break;
    default: known = false; break;
    }
    painter.restore();
    return known;
}

} // namespace PictureArt
