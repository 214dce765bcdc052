// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_DialFilter.h"

#include "CDlgE_DialFilter.h"
#include "CData_All.h"
#include "Derivat.h"
#include "EditDialogRun.h"

namespace {

constexpr int kVisibleRows = 10;

std::vector<RepBarColumn> Columns()
{
    return {{QStringLiteral("Nutzung"), 9, false}, {QStringLiteral("Rufnummer"), 20, false}};
}

} // namespace

CPpS_DialFilter::CPpS_DialFilter(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Wahlkontrolle"), 1900, Columns(), CData_AllCfg::kFilters,
                    kVisibleRows, parent)
{
}

bool CPpS_DialFilter::ListShown() const
{
    return Switches().props.PropDialFilter != 0;
}

QString CPpS_DialFilter::CellText(int row, int column) const
{
    return Cell(m_data.cfg.dialFilter.at(static_cast<size_t>(row)).GetColumnText(column));
}

void CPpS_DialFilter::EditRow(int row)
{
    CData_DialFilter& record = m_data.cfg.dialFilter.at(static_cast<size_t>(row));
    CDlgE_DialFilter dialog(this);
    dialog.LoadFrom(record);
    if (RunEditDialog(dialog) == QDialog::Accepted)
        dialog.StoreTo(record);
}
