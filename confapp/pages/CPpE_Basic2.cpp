// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpE_Basic2.h"

#include "CData_All.h"
#include "CPicture.h"
#include "Cp1252.h"
#include "Derivat.h"
#include "FilteredEdits.h"
#include "PictureArt.h"
#include "ValueTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CPpE_Basic2::CPpE_Basic2(CQ410CfDoc& doc, QWidget* parent)
    : CPropertyPage(doc, QStringLiteral("Telefonanlage"), 1002, parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(BuildFields());
    left->addWidget(BuildPabxType());
    left->addStretch();
    m_picture = m_controls.Add(1170, new CPicture(PictureArt::kPabx));
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addWidget(m_picture, 0, Qt::AlignTop | Qt::AlignHCenter);
}

QWidget* CPpE_Basic2::BuildFields()
{
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    m_dialLen = m_controls.Add(1041, new QComboBox);
    m_dialPre = m_controls.Add(1021, new CEdit_Msn);
    m_dialPreInt = m_controls.Add(1023, new CEdit_Msn);
    auto* dialPreIntLabel = m_controls.Add(1022, new QLabel(QStringLiteral("Internkennziffer")));
    form->addRow(QStringLiteral("Maximallänge interner Rufnummern"), m_dialLen);
    form->addRow(QStringLiteral("Vorwahlziffer"), m_dialPre);
    form->addRow(dialPreIntLabel, m_dialPreInt);
    // The internal code digits are kept in the record but not offered here.
    dialPreIntLabel->setVisible(false);
    m_dialPreInt->setVisible(false);
    m_lowPower = m_controls.Add(1152, new QCheckBox(QStringLiteral("Notbetrieb am Anlagenanschluß")));
    form->addRow(m_lowPower);
    return box;
}

QWidget* CPpE_Basic2::BuildPabxType()
{
    auto* group = m_controls.Add(1150, new QGroupBox(QStringLiteral("Telefonanlagentyp")));
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    m_pabxType00 = m_controls.Add(3211, AddRadio(*buttons, *layout, FromCp1252(ValueTexts::kPabxType[0]), 0));
    m_pabxTypeOther =
        m_controls.Add(3212, AddRadio(*buttons, *layout, FromCp1252(ValueTexts::kPabxType[1]), 1));
    return group;
}

void CPpE_Basic2::LoadFromData()
{
    if (m_dialLen->count() == 0)
        for (int digit = 0; digit <= 9; ++digit)
            m_dialLen->addItem(QString::number(digit));
    m_dialPre->setMaxLength(4);
    m_dialPreInt->setMaxLength(4);
    ApplyEnabling();
    LoadControls();
}

void CPpE_Basic2::ApplyEnabling()
{
    const DerivatProperties& p = Switches().props;
    m_controls.SetEnabled({1022, 1023}, p.PropDialPreInt != 0 && m_data.cfg.basic.AutoExt != 0);
    m_controls.SetEnabled({1150, 3211, 3212, 1152}, p.PropPabxType != 0);
    m_picture->setVisible(p.PropPabxPicture != 0);
}

void CPpE_Basic2::LoadControls()
{
    const CData_Basic& basic = m_data.cfg.basic;
    m_dialLen->setCurrentIndex(m_dialLen->findText(QString::number(basic.DialLen)));
    m_dialPre->setText(FromCp1252(basic.DialPre));
    m_dialPreInt->setText(FromCp1252(basic.DialPreInt));
    m_lowPower->setChecked(basic.PabxAtLowPower != 0);
    const bool type00 = ValueTexts::PabxTypeButton(basic.PabxType) == 0;
    m_pabxType00->setChecked(type00);
    m_pabxTypeOther->setChecked(!type00);
}

bool CPpE_Basic2::StoreToData()
{
    CData_Basic& basic = m_data.cfg.basic;
    // Without a chosen length the record keeps the one it has.
    if (m_dialLen->currentIndex() >= 0)
        basic.DialLen = m_dialLen->currentText().toInt();
    CData::StrToDialPre(basic.DialPre, ToCp1252(m_dialPre->text()));
    CData::StrToDialPre(basic.DialPreInt, ToCp1252(m_dialPreInt->text()));
    basic.PabxAtLowPower = m_lowPower->isChecked() ? 1 : 0;
    // "0" and "00" are the same type: the field only changes with the choice.
    const int chosen = m_pabxType00->isChecked() ? 0 : 1;
    if (ValueTexts::PabxTypeButton(basic.PabxType) != chosen)
        CData::StrToPabxType(basic.PabxType, chosen == 0 ? "00" : "01");
    return true;
}
