// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyChoiceLists.h"

#include "Cp1252.h"
#include "DerivatProperties.h"
#include "ValueTexts.h"

#include <QComboBox>

namespace {

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList InternalNumberChoices(const DerivatProperties& props, bool withNine)
{
    QStringList items{QString()};
    if (withNine)
        items << QStringLiteral("9");
    if (props.PropIntNumStyle == 1) {
        for (int n = 10; n <= 29; ++n)
            items << QString::number(n);
        for (int n = 100; n <= 299; ++n)
            items << QString::number(n);
    } else {
        for (int n = 0; n <= 99; ++n)
            items << TwoDigits(n);
    }
    return items;
}

QStringList TeamChoices(const DerivatProperties& props)
{
    QStringList items{QString()};
    for (int n = 0; n < props.PropTeamCount; ++n)
        items << TwoDigits(n);
    items << FromCp1252(ValueTexts::kAllTeams);
    return items;
}

QStringList ChannelChoices(const DerivatProperties& props)
{
    QStringList items{QString()};
    for (int i = 0; i < props.PropChannelCount; ++i)
        items << QString::number(i / 2 + 1) + QString::number(i % 2 + 1);
    return items;
}

void FillChoices(QComboBox& box, const QStringList& items, const QString& text)
{
    box.clear();
    box.addItems(items);
    int index = static_cast<int>(items.indexOf(text));
    if (index < 0) {
        box.insertItem(1, text);
        index = 1;
    }
    box.setCurrentIndex(index);
}
