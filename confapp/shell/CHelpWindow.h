// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help, a German page shipped inside the program and shown at
// a topic number (the overview is topic 1000).
#include <QWidget>

class QTextBrowser;

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the window (once per program) at the topic and brings it forward.
    static CHelpWindow* ShowTopic(int topic, QWidget* parent);

    void GoToTopic(int topic);
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
