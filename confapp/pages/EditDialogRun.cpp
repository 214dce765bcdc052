// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditDialogRun.h"

#include "MessageBoxes.h"

#include <QDialog>
#include <QLineEdit>

namespace {

EditDialogHook& Hook()
{
    static EditDialogHook hook;
    return hook;
}

} // namespace

int RunEditDialog(QDialog& dialog)
{
    if (!Hook())
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    Hook()(dialog);
    return dialog.result();
}

void SetEditDialogHookForTesting(EditDialogHook hook)
{
    Hook() = std::move(hook);
}

bool CheckMaxChars(QDialog& dialog, QLineEdit& edit, int maxChars)
{
    if (edit.text().size() <= maxChars)
        return true;
    ShowMessage(&dialog, QMessageBox::Warning, dialog.windowTitle(),
                QStringLiteral("Geben Sie bitte nicht mehr als %1 Zeichen ein.").arg(maxChars));
    edit.setFocus();
    edit.selectAll();
    return false;
}
