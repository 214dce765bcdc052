// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include <functional>

namespace AppIcons {

namespace {

// Tool-bar pictures are 16 x 15 pixels.
constexpr int kWidth = 16;
constexpr int kHeight = 15;

QIcon Draw(int width, int height, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon ToolPicture(const std::function<void(QPainter&)>& paint)
{
    return Draw(kWidth, kHeight, paint);
}

void Sheet(QPainter& p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(2, 0), QPoint(9, 0), QPoint(12, 3), QPoint(12, 14), QPoint(2, 14)}));
    p.drawPolyline(QPolygon({QPoint(9, 0), QPoint(9, 3), QPoint(12, 3)}));
}

// A small telephone with an arrow that points towards the PC (left) or the
// telephone (right).
void PhoneWithArrow(QPainter& p, bool towardsPc)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 96, 160));
    p.drawRect(7, 6, 8, 7);
    p.setBrush(Qt::darkGray);
    p.drawRoundedRect(6, 3, 10, 3, 1, 1);
    p.setBrush(towardsPc ? QColor(0, 160, 0) : QColor(200, 0, 0));
    const QPolygon arrow = towardsPc
                               ? QPolygon({QPoint(0, 9), QPoint(4, 5), QPoint(4, 7), QPoint(6, 7), QPoint(6, 11),
                                           QPoint(4, 11), QPoint(4, 13)})
                               : QPolygon({QPoint(6, 9), QPoint(2, 5), QPoint(2, 7), QPoint(0, 7), QPoint(0, 11),
                                           QPoint(2, 11), QPoint(2, 13)});
    p.drawPolygon(arrow);
}

} // namespace

QIcon Program()
{
    return Draw(32, 32, [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0, 96, 160));
        p.drawRoundedRect(3, 12, 26, 17, 3, 3);
        p.setBrush(Qt::darkGray);
        p.drawRoundedRect(2, 4, 28, 7, 3, 3);
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(7, 15, 18, 5);
        p.setBrush(Qt::white);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawRect(7 + col * 5, 22 + row * 3, 3, 2);
    });
}

QIcon FileNew()
{
    return ToolPicture([](QPainter& p) { Sheet(p); });
}

QIcon FileOpen()
{
    return ToolPicture([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(230, 200, 80));
        p.drawRect(0, 4, 12, 9);
        p.drawPolygon(QPolygon({QPoint(2, 7), QPoint(15, 7), QPoint(12, 13), QPoint(0, 13)}));
        p.drawLine(10, 1, 13, 1);
        p.drawLine(13, 1, 13, 4);
    });
}

QIcon FileSave()
{
    return ToolPicture([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(40, 40, 120));
        p.drawRect(1, 0, 13, 14);
        p.setBrush(Qt::white);
        p.drawRect(4, 0, 7, 5);
        p.setBrush(Qt::lightGray);
        p.drawRect(4, 9, 7, 5);
    });
}

QIcon ReadConfiguration()
{
    return ToolPicture([](QPainter& p) { PhoneWithArrow(p, true); });
}

QIcon SendConfiguration()
{
    return ToolPicture([](QPainter& p) { PhoneWithArrow(p, false); });
}

QIcon Help()
{
    return ToolPicture([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(255, 255, 160));
        p.drawEllipse(1, 0, 13, 13);
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QRect(1, 0, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    });
}

} // namespace AppIcons
