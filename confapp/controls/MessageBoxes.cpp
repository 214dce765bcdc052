// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QApplication>

namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    if (Hook())
        return Hook()(icon, caption, text, buttons);
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Beep()
{
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}

void SetMessageHookForTesting(MessageHook hook)
{
    Hook() = std::move(hook);
}

void SetBeepHookForTesting(std::function<void()> hook)
{
    BeepHook() = std::move(hook);
}
