// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_Number.h"

#include "Cp1252.h"
#include "EditDialogRun.h"
#include "FilteredEdits.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgE_Number::CDlgE_Number(const QString& caption, const QString& entryLabel, QWidget* parent)
    : QDialog(parent), m_entry(new QLineEdit(this)), m_number(new CEdit_Msn(this))
{
    setWindowTitle(caption);
    m_entry->setReadOnly(true);
    m_number->setMaxLength(kMaxNumber);

    auto* form = new QFormLayout;
    form->addRow(entryLabel, m_entry);
    form->addRow(QStringLiteral("Rufnummer"), m_number);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgE_Number::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgE_Number::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CDlgE_Number::accept()
{
    if (CheckMaxChars(*this, *m_number, kMaxNumber))
        QDialog::accept();
}

void CDlgE_Number::SetTexts(const std::string& entry, const std::string& number)
{
    m_entry->setText(FromCp1252(entry));
    m_number->setText(FromCp1252(number));
    m_number->setFocus();
}

std::string CDlgE_Number::NumberText() const
{
    return ToCp1252(m_number->text());
}
