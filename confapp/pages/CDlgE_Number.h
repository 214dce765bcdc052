// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small edit dialog of the speed-dial and dial-control pages: which entry
// (read only) and its number.
#include <QDialog>

#include <string>

class CEdit_Msn;
class QLineEdit;

class CDlgE_Number : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNumber = 20;

    CDlgE_Number(const QString& caption, const QString& entryLabel, QWidget* parent);

    // Runs the length check; the dialog stays open when it fails.
    void accept() override;

    QLineEdit* EntryField() const { return m_entry; }
    CEdit_Msn* NumberEdit() const { return m_number; }

protected:
    void SetTexts(const std::string& entry, const std::string& number);
    // The number as document text (Windows-1252).
    std::string NumberText() const;

private:
    QLineEdit* m_entry;
    CEdit_Msn* m_number;
};
