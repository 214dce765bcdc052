// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_DialIndex.h"

#include "CDlgE_DialIndex.h"
#include "CData_All.h"
#include "Cp1252.h"
#include "EditDialogRun.h"

namespace {

std::vector<RepBarColumn> Columns()
{
    return {{QStringLiteral("Nr."), 2, false}, {QStringLiteral("Rufnummer"), 20, false}};
}

} // namespace

CPpS_DialIndex::CPpS_DialIndex(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Kurzwahl"), 1250, Columns(), CData_AllCfg::kIndexes,
                    CData_AllCfg::kIndexes, parent)
{
}

QString CPpS_DialIndex::CellText(int row, int column) const
{
    const std::string text = m_data.cfg.dialIndex.at(static_cast<size_t>(row)).GetColumnText(column);
    // The key names ("k0" ...) stand one blank in, the numbers two.
    return column == 0 ? QStringLiteral(" ") + FromCp1252(text) : Cell(text);
}

void CPpS_DialIndex::EditRow(int row)
{
    CData_DialIndex& record = m_data.cfg.dialIndex.at(static_cast<size_t>(row));
    CDlgE_DialIndex dialog(this);
    dialog.LoadFrom(record);
    if (RunEditDialog(dialog) == QDialog::Accepted)
        dialog.StoreTo(record);
}
