// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editor of one phone-book entry: name, number, and where the telephone
// supports them, the entry's ring volume and melody.
#include "Derivat.h"

#include <QDialog>

class QComboBox;
class QSlider;
class CData_DialName;
class CEdit_Msn;
class CEdit_Name;

class CDlgE_DialName : public QDialog {
public:
    // switches: of the document (volume, melody and the name's characters).
    CDlgE_DialName(const CData_DialName& entry, const CDerivat& switches, QWidget* parent = nullptr);

    // Writes the editor's values into entry (name and number through their codecs).
    void StoreTo(CData_DialName& entry) const;

    // An entry needs both a name and a number, or neither (which empties it).
    void accept() override;

    // The controls, for the tests.
    CEdit_Name* NameEdit() const { return m_name; }
    CEdit_Msn* NumberEdit() const { return m_number; }
    QSlider* Volume() const { return m_volume; }
    QComboBox* Melody() const { return m_melody; }

private:
    QWidget* BuildVolumeRow(bool enabled);

    CEdit_Name* m_name;
    CEdit_Msn* m_number;
    QSlider* m_volume = nullptr;
    QComboBox* m_melody;
    CodecRules m_rules;
};
