// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone-book commands 2510 to 2512: import (dialog), export, test data.
class App;
class QWidget;

// Each works on the phone book of app's document.
void OnPhoneBookImport(QWidget* parent, App& app);
void OnPhoneBookExport(QWidget* parent, const App& app);
void OnPhoneBookTestData(QWidget* parent, App& app);
