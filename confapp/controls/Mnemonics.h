// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Alt+letter keys for a page or dialog: every button, check box, radio button
// and every label that names a field gets an underlined letter that no other
// control of the same window uses. Letters already chosen by hand stay;
// hidden controls get none.
#include <QSet>
#include <QString>

class QWidget;

// The letter a text underlines ("&Lesen" gives 'l'), or a null QChar.
QChar MnemonicOf(const QString& text);

// The letters the menu bar of root's window takes (Alt+D opens "Datei").
QSet<QChar> MenuBarMnemonics(const QWidget* root);

// Gives each control below root without a letter one that is neither in
// reserved nor taken by another control there. Calling it again changes nothing.
void AssignMnemonics(QWidget* root, const QSet<QChar>& reserved = {});
