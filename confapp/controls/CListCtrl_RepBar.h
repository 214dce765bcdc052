// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report list of the list pages: one row per record, full-row selection,
// columns sized for the characters they must hold, texts shortened with "...",
// highlight following the focus.
#include <QString>
#include <QTreeWidget>

struct RepBarColumn {
    QString title;  // column heading
    int characters; // characters the column must hold
    bool text;      // letters (sample "W") or digits (sample "#")
};

class CListCtrl_RepBar : public QTreeWidget {
    Q_OBJECT
public:
    explicit CListCtrl_RepBar(QWidget* parent = nullptr);

    // Builds the columns (first call only), makes the list hold exactly rows
    // rows, sizes and places it at (x, y) of the parent; false without descriptors.
    // fitToParent: the list fills the parent, leaving x free on either side,
    // and its last column is widened to the list's edge.
    bool ColumnInit(int columns, int rows, int visibleRows, const RepBarColumn* descriptors,
                    bool fitToParent, int x, int y);

    void SetItemText(int row, int column, const QString& text);
    QString ItemText(int row, int column) const;
    // The first selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

signals:
    // A double click, or Enter, Space or F2 in the list; row is -1 when none is selected.
    void rowActivated(int row);

private:
    void BuildColumns(int columns, const RepBarColumn* descriptors);
    void SetRowCount(int rows);
    int RowHeight() const;
    void UpdateHighlight();
    void ChooseRowIfNone();
    void ClearSelectionBesideRows(const QMouseEvent* event);

    bool m_columnsSetUp = false;
    int m_lastColumnWidth = 0; // as the column's characters need it
};
