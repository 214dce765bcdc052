// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Common part of the list pages: one report list at (20, 20) with one row per
// record, refilled from the document data on activation and after each edit.
// The data changes only through the edit dialog of a row, at once, so the
// page has nothing to store when it is left.
#include "CListCtrl_RepBar.h"
#include "CPropertyPage.h"

#include <string>
#include <vector>

class QVBoxLayout;

class CPpS_ListPage : public CPropertyPage {
public:
    CPpS_ListPage(CQ410CfDoc& doc, const QString& caption, int dialogId,
                  std::vector<RepBarColumn> columns, int rows, int visibleRows, QWidget* parent);

    void LoadFromData() override;
    bool StoreToData() override;

    CListCtrl_RepBar* List() const { return m_list; }

protected:
    // Whether the document's switches let the page show its list.
    virtual bool ListShown() const { return true; }
    // The whole text of one cell, leading blanks included.
    virtual QString CellText(int row, int column) const = 0;
    // Opens the edit dialog of the row; false for a page without one.
    virtual bool HasEditDialog() const { return true; }
    virtual void EditRow(int row) = 0;
    // Called after each placement of the list, for adjustments of its columns.
    virtual void AfterColumnInit() {}

    // Cells of the pages carry two blanks in front of the record's text.
    static QString Cell(const std::string& text);
    // The controls under the list go here; the layout keeps clear of the list.
    QVBoxLayout* BelowList() const { return m_below; }
    void Refill();

    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceList();
    void OnRowActivated(int row);

    CListCtrl_RepBar* m_list;
    QVBoxLayout* m_below;
    std::vector<RepBarColumn> m_columns;
    int m_rows;
    int m_visibleRows;
    bool m_placed = false;
};
