// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone-book commands 2510 to 2512: import (dialog), export, test data.
class QWidget;

void OnPhoneBookImport(QWidget* parent);
void OnPhoneBookExport(QWidget* parent);
void OnPhoneBookTestData(QWidget* parent);
