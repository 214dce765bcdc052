// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpE_Basic1.h"

#include "CData_All.h"
#include "Cp1252.h"
#include "Derivat.h"
#include "FilteredEdits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

namespace {

int Checked(const QCheckBox& box)
{
    return box.isChecked() ? 1 : 0;
}

// The choice of a radio group; without a checked button the field keeps its value.
void StoreChoice(const QButtonGroup& group, int& field)
{
    if (group.checkedId() >= 0)
        field = group.checkedId();
}

} // namespace

CPpE_Basic1::CPpE_Basic1(CQ410CfDoc& doc, QWidget* parent)
    : CPropertyPage(doc, QStringLiteral("Allgemein"), 1001, parent)
{
    BuildControls();
}

void CPpE_Basic1::LoadFromData()
{
    ApplyEnabling();
    LoadControls();
}

bool CPpE_Basic1::StoreToData()
{
    if (!CheckFields())
        return false;
    StoreControls();
    m_data.Validate(Switches());
    return true;
}

void CPpE_Basic1::ApplyEnabling()
{
    const DerivatProperties& p = Switches().props;
    m_controls.SetVisible({1010, 1011}, p.PropSwVersShown != 0);
    m_controls.SetEnabled({1061, 1062}, p.PropPayMult != 0);
    m_controls.SetEnabled({1063, 1064}, p.PropPayStr != 0);
    m_controls.SetEnabled({1121, 1120}, p.PropParkCode != 0);
    m_controls.SetVisible({1050, 1051, 1052}, p.PropPhoneTypeChoice != 0);
    m_controls.SetEnabled({1100, 1101, 1102}, p.PropSilence != 0);
    m_controls.SetEnabled({1103}, p.PropSilence != 0 && p.PropSilenceNotice != 0);
    m_controls.SetEnabled({1080, 1081, 1082, 1083}, p.PropDialFilter != 0);
    m_controls.SetEnabled({1090, 1091, 1092, 1093}, p.PropQuitTone != 0);
    m_controls.SetEnabled({1111}, p.PropKnock != 0);
    m_controls.SetEnabled({1112}, p.PropAutoExt != 0);
    m_controls.SetEnabled({1113}, p.PropLetterLarge != 0);
    m_controls.SetEnabled({1114}, p.PropHeadSet != 0);
    m_controls.SetEnabled({1153}, p.PropFreeSpeakSilence != 0);
    m_controls.SetEnabled({1110}, p.PropKnock || p.PropAutoExt || p.PropLetterLarge || p.PropHeadSet ||
                                      p.PropFreeSpeakSilence);
}

void CPpE_Basic1::LoadControls()
{
    const CData_Basic& basic = m_data.cfg.basic;
    m_swVers->setText(FromCp1252(basic.SwVers));
    m_payMult->setText(FromCp1252(basic.PayMult));
    m_payStr->setText(FromCp1252(basic.PayStr));
    m_parkCode->setText(FromCp1252(basic.ParkCode));
    CheckValue(*m_phoneType, basic.PhoneType);
    CheckValue(*m_silence, basic.Silence);
    CheckValue(*m_dialFilter, basic.DialFilterUse);
    CheckValue(*m_quitTone, basic.QuitTone);
    m_knock->setChecked(basic.Knock != 0);
    m_autoExt->setChecked(basic.AutoExt != 0);
    m_letterLarge->setChecked(basic.LetterLarge != 0);
    m_headSet->setChecked(basic.HeadSet != 0);
    m_freeSpeakSilence->setChecked(basic.FreeSpeakSilence != 0);
    m_loudBox->setRange(0, 6);
    m_loudHand->setRange(0, 3);
    m_loudBox->setValue(basic.LoudBox);
    m_loudHand->setValue(basic.LoudHand);
}

bool CPpE_Basic1::CheckFields()
{
    return CheckPageMaxChars(this, *m_payMult, 5) && CheckPageMaxChars(this, *m_payStr, 6) &&
           CheckPageMaxChars(this, *m_parkCode, 2);
}

// A text the conversion rejects is stored as the conversion repaired it.
void CPpE_Basic1::StoreControls()
{
    CData_Basic& basic = m_data.cfg.basic;
    basic.LoudBox = m_loudBox->value();
    basic.LoudHand = m_loudHand->value();
    basic.SwVers = ToCp1252(m_swVers->text());
    CData::StrToPayMult(basic.PayMult, ToCp1252(m_payMult->text()));
    CData::StrToPayStr(basic.PayStr, ToCp1252(m_payStr->text()), Switches().Rules());
    CData::StrToParkCode(basic.ParkCode, ToCp1252(m_parkCode->text()));
    StoreChoice(*m_phoneType, basic.PhoneType);
    StoreChoice(*m_silence, basic.Silence);
    StoreChoice(*m_dialFilter, basic.DialFilterUse);
    StoreChoice(*m_quitTone, basic.QuitTone);
    basic.Knock = Checked(*m_knock);
    basic.AutoExt = Checked(*m_autoExt);
    basic.LetterLarge = Checked(*m_letterLarge);
    basic.HeadSet = Checked(*m_headSet);
    basic.FreeSpeakSilence = Checked(*m_freeSpeakSilence);
}

// The phone type decides which settings exist, so it takes effect at once;
// the other fields wait for the store step.
void CPpE_Basic1::OnPhoneType(int phoneType)
{
    m_data.cfg.basic.PhoneType = phoneType;
    m_doc.SetPhoneType(phoneType);
    ApplyEnabling();
}
