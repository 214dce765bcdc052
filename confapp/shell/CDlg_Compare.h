// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The differences between the open document and another one, one row per
// field: page, entry, field and both values. It shows any list of
// differences, so every command that compares two documents uses it. The
// table can be copied as tab-separated text (Ctrl+C or the button).
#include "DocumentCompare.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class CDlg_Compare : public QDialog {
    Q_OBJECT
public:
    // otherName names the other document in the sentence above the table.
    CDlg_Compare(const std::vector<FieldDifference>& differences, const QString& otherName,
                 QWidget* parent = nullptr);

    // Headings and rows as tab-separated lines; only the selected rows when
    // selectedOnly and there are any.
    QString TableText(bool selectedOnly) const;

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* CopyButton() const { return m_copy; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(const std::vector<FieldDifference>& differences);
    void Copy(bool selectedOnly) const;

    QLabel* m_summary;
    QTableWidget* m_table;
    QPushButton* m_copy;
};
