// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "?" > "&Info zum Programm...": the program's name and version.
#include <QDialog>

class QIcon;

class AboutBox : public QDialog {
public:
    explicit AboutBox(const QIcon& icon, QWidget* parent = nullptr);
};
