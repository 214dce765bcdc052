// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditDialogRun.h"

#include "MessageBoxes.h"
#include "Mnemonics.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace {

EditDialogHook& Hook()
{
    static EditDialogHook hook;
    return hook;
}

// Window managers cut a caption short where the dialog is narrower: room
// for the caption in a title font a little larger than the dialog's, and
// for the window buttons beside it.
void FitCaption(QDialog& dialog)
{
    QFont title = dialog.font();
    title.setPointSizeF(title.pointSizeF() * 1.15);
    title.setBold(true);
    constexpr int kWindowButtons = 120;
    const int width = QFontMetrics(title).horizontalAdvance(dialog.windowTitle()) + kWindowButtons;
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
}

// The first field the user can change gets the focus, not a read-only one
// that only names the entry.
void FocusFirstField(QDialog& dialog)
{
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        const auto* edit = qobject_cast<const QLineEdit*>(child);
        const bool field = (edit && !edit->isReadOnly()) || (!edit && child->focusPolicy() & Qt::TabFocus &&
                                                           !qobject_cast<const QAbstractButton*>(child));
        if (field && child->isEnabled() && !child->isHidden()) {
            child->setFocus();
            return;
        }
    }
}

} // namespace

int RunEditDialog(QDialog& dialog)
{
    FitCaption(dialog);
    AssignMnemonics(&dialog);
    FocusFirstField(dialog);
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
