// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code under test runs its dialogs with exec(), which blocks the test. This
// lets a test act on such a dialog from inside its event loop: act runs once
// a modal dialog of the given class is shown and must end it.
#include <QApplication>
#include <QTimer>

#include <functional>

template <class Dialog>
void WhenModalShown(std::function<void(Dialog&)> act, int triesLeft = 200)
{
    QTimer::singleShot(5, [act, triesLeft] {
        if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        if (triesLeft > 0)
            WhenModalShown<Dialog>(act, triesLeft - 1);
    });
}
