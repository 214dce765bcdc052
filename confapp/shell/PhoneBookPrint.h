// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printout of the phone book: one page, two columns of 100 entries, each
// with name and number, in a small typewriter font.
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class CData_All;
class QPainter;

namespace PhoneBookPrint {

struct Item {
    int x = 0;
    int y = 0; // top of the text line
    QString text;
};

// The first available of the usual typewriter fonts at 6 points, sized for a
// device with the given vertical resolution.
QFont ChooseFont(int dotsPerInchY);

// Where every non-empty name and number goes inside the printable rectangle,
// for a font of the given line height and average character width.
std::vector<Item> Layout(const CData_All& documentData, const QRect& printable, int lineHeight, int charWidth);

void Draw(QPainter& painter, const QRect& printable, const CData_All& documentData);

} // namespace PhoneBookPrint
