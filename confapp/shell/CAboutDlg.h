// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "?" > "Info über Systemtelefon MV850...": program name and version.
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
