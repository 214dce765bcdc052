#include "CListCtrl_RepBar.h"

// Placeholder until the report list is built.
CListCtrl_RepBar::CListCtrl_RepBar(QWidget* parent) : QTreeWidget(parent) {}

bool CListCtrl_RepBar::ColumnInit(int, int, int, const RepBarColumn* descriptors, bool, int, int)
{
    return descriptors != nullptr;
}

void CListCtrl_RepBar::SetItemText(int, int, const QString&) {}

QString CListCtrl_RepBar::ItemText(int, int) const
{
    return {};
}

int CListCtrl_RepBar::SelectedRow() const
{
    return -1;
}

void CListCtrl_RepBar::SelectRow(int) {}
