// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog 1210: edits one own number (MSN) of the "Rufnummern" page.
#include "Derivat.h"

#include <QDialog>

class CData_MsnPara;
class CEdit_Name;
class CEdit_Num;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

class CDlgE_MsnPara : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNumber = 20;
    static constexpr int kMaxName = 5;

    // switches: of the document (call forwarding, the name's characters).
    explicit CDlgE_MsnPara(const CDerivat& switches, QWidget* parent = nullptr);

    // Fills the controls from the record; the forwarding number is offered
    // only where the telephone has one per MSN.
    void LoadFrom(const CData_MsnPara& record);
    // Writes the controls back: texts through the record's codecs.
    void StoreTo(CData_MsnPara& record) const;

    // Runs the length checks; the dialog stays open when one fails.
    void accept() override;

    QLineEdit* NrField() const { return m_nr; }
    CEdit_Num* NumberEdit() const { return m_number; }
    CEdit_Name* NameEdit() const { return m_name; }
    QSlider* VolumeSlider() const { return m_volume; }
    QComboBox* MelodyList() const { return m_melody; }
    CEdit_Num* ForwardingEdit() const { return m_forwarding; }
    QLabel* ForwardingLabel() const { return m_forwardingLabel; }

private:
    QLineEdit* m_nr;
    CEdit_Num* m_number;
    CEdit_Name* m_name;
    QSlider* m_volume;
    QComboBox* m_melody;
    QLabel* m_forwardingLabel;
    CEdit_Num* m_forwarding;
    const CDerivat m_switches;
};
