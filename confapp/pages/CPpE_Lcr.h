// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "LCR": least-cost routing on or off, what to do when the cheapest
// carrier is busy, and how often to try it.
#include "CPropertyPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

class CPpE_Lcr : public CPropertyPage {
public:
    explicit CPpE_Lcr(CQ410CfDoc& doc, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;

    QCheckBox* LcrCheck() const { return m_lcr; }
    QRadioButton* ModeButton(int mode) const;
    QComboBox* RepeatList() const { return m_repeat; }

private:
    // The repeat count matters only when the cheapest carrier is tried repeatedly.
    void EnableRepeat();

    QCheckBox* m_lcr;
    QGroupBox* m_modeGroup;
    QButtonGroup* m_modes;
    QLabel* m_repeatLabel;
    QComboBox* m_repeat;
};
