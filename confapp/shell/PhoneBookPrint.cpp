// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhoneBookPrint.h"

#include "CData_All.h"
#include "Cp1252.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace PhoneBookPrint {

namespace {

constexpr int kEntries = CData_AllDialName::kEntries;
constexpr int kHalf = kEntries / 2;

// Column starts in average character widths from the left margin.
constexpr int kNameLeft = 0;
constexpr int kNumberLeft = 23;
constexpr int kSecondNameLeft = 53;
constexpr int kSecondNumberLeft = 76;

void AddText(std::vector<Item>& items, int x, int y, const std::string& text)
{
    if (!text.empty())
        items.push_back({x, y, FromCp1252(text)});
}

} // namespace

QFont ChooseFont(int dotsPerInchY)
{
    const int pixels = dotsPerInchY * 60 / 720;
    const QStringList installed = QFontDatabase::families();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const char* family : {"Courier New", "Courier", "Arial", "MS Sans Serif", "MS Serif"}) {
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            font = QFont(QString::fromLatin1(family));
            break;
        }
    }
    font.setPixelSize(std::max(pixels, 1));
    return font;
}

std::vector<Item> Layout(const CData_All& documentData, const QRect& printable, int lineHeight, int charWidth)
{
    const int x0 = printable.left() + printable.width() / 8;
    const int y0 = printable.top() + printable.height() / 20;
    std::vector<Item> items;
    for (int row = 0; row < kHalf; ++row) {
        const int y = y0 + row * lineHeight;
        const CData_DialName& left = documentData.dialName.entry.at(row);
        const CData_DialName& right = documentData.dialName.entry.at(row + kHalf);
        AddText(items, x0 + kNameLeft * charWidth, y, left.GetColumnText(0));
        AddText(items, x0 + kNumberLeft * charWidth, y, left.GetColumnText(1));
        AddText(items, x0 + kSecondNameLeft * charWidth, y, right.GetColumnText(0));
        AddText(items, x0 + kSecondNumberLeft * charWidth, y, right.GetColumnText(1));
    }
    return items;
}

void Draw(QPainter& painter, const QRect& printable, const CData_All& documentData)
{
    painter.save();
    painter.setFont(ChooseFont(painter.device()->logicalDpiY()));
    const QFontMetrics metrics(painter.font(), painter.device());
    for (const Item& item : Layout(documentData, printable, metrics.height(), metrics.averageCharWidth()))
        painter.drawText(item.x, item.y + metrics.ascent(), item.text);
    painter.restore();
}

} // namespace PhoneBookPrint
