// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// German texts for the buttons and menus Qt draws itself (message boxes,
// button boxes, file and print dialogs), since no translation files ship
// with the program.
class QCoreApplication;

void InstallGermanButtonTexts(QCoreApplication& application);
