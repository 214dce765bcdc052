// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_DialKey.h"

#include "CData_All.h"
#include "CDlgE_DialKey.h"

namespace {

constexpr int kVisibleRows = 10;

std::vector<RepBarColumn> Columns()
{
    return {
        {QStringLiteral("Taste"), 2, false},
        {QStringLiteral("Tastenart"), 28, false},
        {QStringLiteral("Nutzung"), 20, false},
    };
}

} // namespace

CPpS_DialKey::CPpS_DialKey(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Tasten"), 1300, Columns(), CData_AllCfg::kKeys, kVisibleRows,
                    parent)
{
}

QString CPpS_DialKey::CellText(int row, int column) const
{
    return Cell(m_data.cfg.dialKey[static_cast<std::size_t>(row)].GetColumnText(column));
}

void CPpS_DialKey::EditRow(int row)
{
    CData_DialKey& key = m_data.cfg.dialKey[static_cast<std::size_t>(row)];
    CDlgE_DialKey editor(key, Switches(), this);
    if (editor.exec() == QDialog::Accepted)
        editor.StoreTo(key);
}
