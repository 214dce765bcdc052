// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFields.h"

#include "MessageBoxes.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

QString ProgramTitle()
{
    return QStringLiteral("Systemtelefon MV850");
}

bool CheckPageMaxChars(QWidget* page, QLineEdit& edit, int maxChars)
{
    if (edit.text().size() <= maxChars)
        return true;
    ShowMessage(page, QMessageBox::Warning, ProgramTitle(),
                QStringLiteral("Geben Sie bitte nicht mehr als %1 Zeichen ein.").arg(maxChars));
    edit.setFocus();
    edit.selectAll();
    return false;
}

QRadioButton* AddRadio(QButtonGroup& group, QBoxLayout& layout, const QString& text, int value)
{
    auto* button = new QRadioButton(text);
    group.addButton(button, value);
    layout.addWidget(button);
    return button;
}

void CheckValue(QButtonGroup& group, int value)
{
    if (QAbstractButton* button = group.button(value)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied button by button.
    group.setExclusive(false);
    for (QAbstractButton* b : group.buttons())
        b->setChecked(false);
    group.setExclusive(true);
}

QWidget* PageControls::Get(int id) const
{
    const auto it = m_controls.find(id);
    return it != m_controls.end() ? it->second : nullptr;
}

void PageControls::SetEnabled(std::initializer_list<int> ids, bool on) const
{
    for (int id : ids)
        if (QWidget* w = Get(id))
            w->setEnabled(on);
}

void PageControls::SetVisible(std::initializer_list<int> ids, bool on) const
{
    for (int id : ids)
        if (QWidget* w = Get(id))
            w->setVisible(on);
}
