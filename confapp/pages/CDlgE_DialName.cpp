// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_DialName.h"
#include "Mnemonics.h"

#include "CData_DialName.h"
#include "CPicture.h"
#include "Cp1252.h"
#include "Derivat.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"
#include "ValueTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kMaxLength = 20;
constexpr int kSmallVolumeIcon = 500;
constexpr int kLargeVolumeIcon = 501;

QStringList MelodyChoices()
{
    QStringList items;
    for (int melodyExt = 0; melodyExt < 2 + ValueTexts::kMelodies; ++melodyExt)
        items << FromCp1252(ValueTexts::MelodyExt(melodyExt));
    return items;
}

} // namespace

CDlgE_DialName::CDlgE_DialName(const CData_DialName& entry, const CDerivat& switches, QWidget* parent)
    : QDialog(parent), m_name(new CEdit_Name(switches.Rules())), m_number(new CEdit_Msn), m_melody(new QComboBox),
      m_rules(switches.Rules())
{
    setWindowTitle(QStringLiteral("Telefonbuch Eintrag bearbeiten"));
    const DerivatProperties& props = switches.props;
    m_name->setMaxLength(kMaxLength);
    m_number->setMaxLength(kMaxLength);
    m_name->setText(FromCp1252(entry.Name));
    m_number->setText(FromCp1252(entry.Msn));

    QWidget* volumeRow = BuildVolumeRow(props.PropDialNameLoud != 0);
    m_volume->setValue(entry.Loud);
    m_melody->addItems(MelodyChoices());
    m_melody->setCurrentIndex(entry.MelodyExt);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name (max. 20 Stellen)"), m_name);
    form->addRow(QStringLiteral("Rufnummer (max. 20 Stellen)"), m_number);
    form->addRow(QStringLiteral("Lautstärke"), volumeRow);
    form->addRow(QStringLiteral("Melodie"), m_melody);
    const bool melody = props.PropDialNameMelody != 0;
    m_melody->setEnabled(melody);
    form->labelForField(m_melody)->setEnabled(melody);
    form->labelForField(volumeRow)->setEnabled(props.PropDialNameLoud != 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AssignMnemonics(this);
}

QWidget* CDlgE_DialName::BuildVolumeRow(bool enabled)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_volume = new QSlider(Qt::Horizontal);
    m_volume->setRange(0, 6);
    m_volume->setPageStep(1);
    m_volume->setTickPosition(QSlider::TicksBelow);
    m_volume->setEnabled(enabled);
    auto* small = new CPicture(kSmallVolumeIcon);
    auto* large = new CPicture(kLargeVolumeIcon);
    layout->addWidget(small);
    layout->addWidget(m_volume, 1);
    layout->addWidget(large);
    small->setVisible(enabled);
    large->setVisible(enabled);
    return row;
}

void CDlgE_DialName::accept()
{
    if (m_name->text().isEmpty() != m_number->text().isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, windowTitle(),
                    QStringLiteral("Die Felder Name und Rufnummer müssen beide leer oder gefüllt sein!"));
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

void CDlgE_DialName::StoreTo(CData_DialName& entry) const
{
    CData::StrToName(entry.Name, ToCp1252(m_name->text()), m_rules);
    CData::StrToMsnExt(entry.Msn, ToCp1252(m_number->text()));
    entry.Loud = m_volume->value();
    if (m_melody->currentIndex() >= 0)
        entry.MelodyExt = m_melody->currentIndex();
}
