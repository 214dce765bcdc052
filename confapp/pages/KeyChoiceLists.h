// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drop-down choices of the key editor. Each list starts with an empty
// item, so a key can also be left without a number.
#include <QStringList>

class QComboBox;
struct DerivatProperties;

// Internal numbers: "10" to "29" and "100" to "299" for the three-digit
// style, "00" to "99" otherwise; the line key also offers "9".
QStringList InternalNumberChoices(const DerivatProperties& props, bool withNine);
// "00" up to the team count - 1, then "Alle" (all teams, stored as empty).
QStringList TeamChoices(const DerivatProperties& props);
// "11", "12", "21", "22", ... one per channel.
QStringList ChannelChoices(const DerivatProperties& props);

// Fills the list and selects the item equal to text. A stored text the list
// does not offer (a document from another derivative) is added after the
// empty item, so confirming the editor does not lose it.
void FillChoices(QComboBox& box, const QStringList& items, const QString& text);
