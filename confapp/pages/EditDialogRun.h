// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list pages open their edit dialogs modally through here. Tests set a
// hook that fills and closes the dialog in place of the user, so no modal
// loop has to be answered from outside.
#include <functional>

class QDialog;
class QLineEdit;

// Runs the dialog modally, wide enough for its caption, and returns its
// result (QDialog::Accepted or Rejected).
int RunEditDialog(QDialog& dialog);

// With a hook set, the dialog is not shown: the hook gets it, may fill it and
// close it with accept() or reject(); the dialog's result is returned as if
// the user had done so. Pass an empty function to remove the hook.
using EditDialogHook = std::function<void(QDialog& dialog)>;
void SetEditDialogHookForTesting(EditDialogHook hook);

// The length check of a text field when the dialog is confirmed: with more
// than maxChars characters the user is told, the field gets the focus and
// false is returned, so the dialog stays open.
bool CheckMaxChars(QDialog& dialog, QLineEdit& edit, int maxChars);
