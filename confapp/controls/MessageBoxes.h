// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box and beep of the windows goes through here, so tests can
// answer the boxes from a script and count the beeps without a person.
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
void Beep();

// Test seams: with a hook set, the box is not shown and the hook answers;
// beeps are counted by the beep hook. Pass an empty function to remove them.
using MessageHook = std::function<QMessageBox::StandardButton(
    QMessageBox::Icon icon, const QString& caption, const QString& text, QMessageBox::StandardButtons buttons)>;
void SetMessageHookForTesting(MessageHook hook);
void SetBeepHookForTesting(std::function<void()> hook);
