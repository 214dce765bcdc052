// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (file and print dialogs, edit menus, shortcut names) in the
// language of the system, German where Qt has none for it, and the German
// button texts on top.
class QCoreApplication;

// False when no translation of Qt's texts could be loaded; the button texts
// are German all the same.
bool InstallTranslations(QCoreApplication& application);
