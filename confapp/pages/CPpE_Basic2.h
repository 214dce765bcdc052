// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Telefonanlage": the settings for operation behind a private branch
// exchange, from the Basic record.
#include "CPropertyPage.h"
#include "PageFields.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class CEdit_Msn;
class CPicture;

class CPpE_Basic2 : public CPropertyPage {
public:
    explicit CPpE_Basic2(CQ410CfDoc& doc, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;

    // A control, label, group or picture by its dialog number; nullptr for others.
    QWidget* Control(int id) const { return m_controls.Get(id); }

private:
    QWidget* BuildFields();
    QWidget* BuildPabxType();
    void ApplyEnabling();
    void LoadControls();

    PageControls m_controls;
    QComboBox* m_dialLen = nullptr;
    CEdit_Msn* m_dialPre = nullptr;
    CEdit_Msn* m_dialPreInt = nullptr;
    QCheckBox* m_lowPower = nullptr;
    QRadioButton* m_pabxType00 = nullptr;
    QRadioButton* m_pabxTypeOther = nullptr;
    CPicture* m_picture = nullptr;
};
