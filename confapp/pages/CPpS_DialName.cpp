// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_DialName.h"

#include "CData_All.h"
#include "CDlgE_DialName.h"

namespace {

constexpr int kVisibleRows = 15;

std::vector<RepBarColumn> Columns()
{
    return {
        {QStringLiteral("Name"), 20, true},
        {QStringLiteral("Rufnummer"), 20, false},
        {QStringLiteral("Laut."), 1, false},
        {QStringLiteral("Mel."), 2, false},
    };
}

} // namespace

CPpS_DialName::CPpS_DialName(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Telefonbuch"), 1400, Columns(), CData_AllDialName::kEntries,
                    kVisibleRows, parent)
{
}

QString CPpS_DialName::CellText(int row, int column) const
{
    return Cell(m_data.dialName.entry[static_cast<std::size_t>(row)].GetColumnText(column));
}

void CPpS_DialName::EditRow(int row)
{
    CData_DialName& entry = m_data.dialName.entry[static_cast<std::size_t>(row)];
    CDlgE_DialName editor(entry, Switches(), this);
    if (editor.exec() != QDialog::Accepted)
        return;
    editor.StoreTo(entry);
    m_data.Sort(Switches());
}
