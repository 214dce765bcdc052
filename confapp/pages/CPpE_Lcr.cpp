// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpE_Lcr.h"

#include "CData_All.h"
#include "Cp1252.h"
#include "Derivat.h"
#include "ValueTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// LcrMode values, in the order of the buttons.
constexpr int kRepeatCarrier = 2;
// The telephone takes 0 to 9 repeats; a larger count would be stored as 0.
constexpr int kMaxRepeat = 9;

} // namespace

CPpE_Lcr::CPpE_Lcr(CQ410CfDoc& doc, QWidget* parent)
    : CPropertyPage(doc, QStringLiteral("LCR"), 2100, parent),
      m_lcr(new QCheckBox(QStringLiteral("LCR aktivieren"), this)),
      m_modeGroup(new QGroupBox(QStringLiteral("LCR Arbeitsweise bei Netzbetreiber besetzt"), this)),
      m_modes(new QButtonGroup(this)), m_repeatLabel(new QLabel(QStringLiteral("Wahlversuche"), this)),
      m_repeat(new QComboBox(this))
{
    auto* modeLayout = new QVBoxLayout(m_modeGroup);
    for (int mode = 0; mode < 3; ++mode) {
        auto* button = new QRadioButton(FromCp1252(ValueTexts::kLcrMode[mode]), m_modeGroup);
        m_modes->addButton(button, mode);
        modeLayout->addWidget(button);
    }
    connect(m_modes, &QButtonGroup::idClicked, this, [this](int) { EnableRepeat(); });

    for (int count = 0; count <= kMaxRepeat; ++count)
        m_repeat->addItem(QString::number(count));
    m_repeatLabel->setBuddy(m_repeat);

    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(m_repeatLabel);
    repeatRow->addWidget(m_repeat);
    repeatRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(m_lcr);
    layout->addWidget(m_modeGroup);
    layout->addLayout(repeatRow);
    layout->addStretch();
}

QRadioButton* CPpE_Lcr::ModeButton(int mode) const
{
    return qobject_cast<QRadioButton*>(m_modes->button(mode));
}

void CPpE_Lcr::LoadFromData()
{
    const bool lcr = Switches().props.PropLcr != 0;
    m_lcr->setEnabled(lcr);
    m_modeGroup->setEnabled(lcr);

    const CData_Basic& basic = m_data.cfg.basic;
    m_lcr->setChecked(basic.Lcr != 0);
    if (QAbstractButton* button = m_modes->button(basic.LcrMode))
        button->setChecked(true);
    m_repeat->setCurrentIndex(basic.LcrRepeat);
    EnableRepeat();
}

bool CPpE_Lcr::StoreToData()
{
    CData_Basic& basic = m_data.cfg.basic;
    basic.Lcr = m_lcr->isChecked() ? 1 : 0;
    // A mode the buttons do not know stays as it was.
    if (m_modes->checkedId() >= 0)
        basic.LcrMode = m_modes->checkedId();
    if (m_repeat->currentIndex() >= 0)
        basic.LcrRepeat = m_repeat->currentIndex();
    return true;
}

void CPpE_Lcr::EnableRepeat()
{
    const bool repeat = Switches().props.PropLcr != 0 && m_modes->checkedId() == kRepeatCarrier;
    m_repeatLabel->setEnabled(repeat);
    m_repeat->setEnabled(repeat);
}
