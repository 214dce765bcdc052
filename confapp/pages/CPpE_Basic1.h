// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Allgemein": volumes, tariff, park code, dial control, confirmation
// tones, do-not-disturb, options and the phone type of the Basic record.
#include "CPropertyPage.h"
#include "PageFields.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QSlider;
class QVBoxLayout;
class CEdit_Num;
class CEdit_PayMult;

class CPpE_Basic1 : public CPropertyPage {
public:
    explicit CPpE_Basic1(CQ410CfDoc& doc, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;

    // A control, label, group or picture by its dialog number; nullptr for others.
    QWidget* Control(int id) const { return m_controls.Get(id); }

private:
    // Building, in CPpE_Basic1Layout.cpp.
    void BuildControls();
    QWidget* BuildVolume(int pictureId, int sliderId, const QString& label, QSlider*& slider);
    QWidget* BuildCharges();
    QWidget* BuildParkCode();
    QWidget* BuildPhoneType();
    QWidget* BuildSoftwareVersion();
    QWidget* BuildChoice(int groupId, const QString& title, QButtonGroup*& group, const int (&ids)[3],
                         const std::array<const char*, 3>& texts);
    QWidget* BuildOptions();

    void ApplyEnabling();
    void LoadControls();
    bool CheckFields();
    void StoreControls();
    void OnPhoneType(int phoneType);

    PageControls m_controls;
    QSlider* m_loudBox = nullptr;
    QSlider* m_loudHand = nullptr;
    CEdit_PayMult* m_payMult = nullptr;
    QLineEdit* m_payStr = nullptr;
    CEdit_Num* m_parkCode = nullptr;
    QLineEdit* m_swVers = nullptr;
    QButtonGroup* m_dialFilter = nullptr;
    QButtonGroup* m_quitTone = nullptr;
    QButtonGroup* m_silence = nullptr;
    QButtonGroup* m_phoneType = nullptr;
    QCheckBox* m_knock = nullptr;
    QCheckBox* m_autoExt = nullptr;
    QCheckBox* m_letterLarge = nullptr;
    QCheckBox* m_headSet = nullptr;
    QCheckBox* m_freeSpeakSilence = nullptr;
};
