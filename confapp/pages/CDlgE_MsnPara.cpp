// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_MsnPara.h"

#include "CData_MsnPara.h"
#include "Cp1252.h"
#include "Derivat.h"
#include "EditDialogRun.h"
#include "FilteredEdits.h"
#include "ValueTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kMaxLoud = 6;

} // namespace

CDlgE_MsnPara::CDlgE_MsnPara(const CDerivat& switches, QWidget* parent)
    : QDialog(parent), m_nr(new QLineEdit(this)), m_number(new CEdit_Num(this)),
      m_name(new CEdit_Name(switches.Rules(), this)),
      m_volume(new QSlider(Qt::Horizontal, this)), m_melody(new QComboBox(this)),
      m_forwardingLabel(new QLabel(QStringLiteral("Rufnummer Anrufweiterschaltung (max. 20 Stellen)"), this)),
      m_forwarding(new CEdit_Num(this)), m_switches(switches)
{
    setWindowTitle(QStringLiteral("MSN Eintrag bearbeiten"));
    m_nr->setReadOnly(true);
    m_number->setMaxLength(kMaxNumber);
    m_name->setMaxLength(kMaxName);
    m_forwarding->setMaxLength(kMaxNumber);
    // The label takes a row of its own above the edit, so the form does not pair them.
    m_forwardingLabel->setBuddy(m_forwarding);
    m_volume->setRange(0, kMaxLoud);
    m_volume->setPageStep(1);
    m_volume->setTickPosition(QSlider::TicksBelow);
    for (int melody = 0; melody < ValueTexts::kMelodies; ++melody)
        m_melody->addItem(FromCp1252(ValueTexts::Melody(melody)));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nr."), m_nr);
    form->addRow(QStringLiteral("Rufnummer (max. 20 Stellen)"), m_number);
    form->addRow(QStringLiteral("Name (max. 5 Stellen)"), m_name);
    form->addRow(QStringLiteral("Lautstärke"), m_volume);
    form->addRow(QStringLiteral("Melodie"), m_melody);
    form->addRow(m_forwardingLabel);
    form->addRow(m_forwarding);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgE_MsnPara::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgE_MsnPara::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CDlgE_MsnPara::LoadFrom(const CData_MsnPara& record)
{
    const bool forwarding = m_switches.props.PropMsnAws != 0;
    m_forwardingLabel->setEnabled(forwarding);
    m_forwarding->setEnabled(forwarding);

    m_nr->setText(FromCp1252(record.GetColumnText(0)));
    m_number->setText(FromCp1252(record.Msn));
    m_name->setText(FromCp1252(record.Txt));
    m_forwarding->setText(FromCp1252(record.MsnAws));
    m_volume->setValue(record.Loud);
    m_melody->setCurrentIndex(record.Melody);
}

void CDlgE_MsnPara::StoreTo(CData_MsnPara& record) const
{
    CData::StrToMsnExt(record.Msn, ToCp1252(m_number->text()));
    CData::StrToTxt(record.Txt, ToCp1252(m_name->text()), m_switches.Rules());
    CData::StrToMsnExt(record.MsnAws, ToCp1252(m_forwarding->text()));
    record.Loud = m_volume->value();
    if (m_melody->currentIndex() >= 0)
        record.Melody = m_melody->currentIndex();
}

void CDlgE_MsnPara::accept()
{
    if (CheckMaxChars(*this, *m_number, kMaxNumber) && CheckMaxChars(*this, *m_name, kMaxName)
        && CheckMaxChars(*this, *m_forwarding, kMaxNumber))
        QDialog::accept();
}
