#include "CPpS_DialName.h"

#include "CData_All.h"
#include "CDlgE_DialName.h"
#include "CListCtrl_RepBar.h"
#include "Cp1252.h"
#include "MessageBoxes.h"

namespace {

constexpr int kColumns = 4;
constexpr int kVisibleRows = 15;
const RepBarColumn kLayout[kColumns] = {
    {QStringLiteral("Name"), 20, true},
    {QStringLiteral("Rufnummer"), 20, false},
    {QStringLiteral("Laut."), 1, false},
    {QStringLiteral("Mel."), 2, false},
};

} // namespace

CPpS_DialName::CPpS_DialName(CData_All& documentData, QWidget* parent)
    : CPropertyPage(documentData, QStringLiteral("Telefonbuch"), 1400, parent), m_list(new CListCtrl_RepBar(this))
{
    connect(m_list, &CListCtrl_RepBar::rowActivated, this, &CPpS_DialName::EditRow);
}

void CPpS_DialName::LoadFromData()
{
    m_list->ColumnInit(kColumns, CData_AllDialName::kEntries, kVisibleRows, kLayout, true, 20, 20);
    FillRows();
}

bool CPpS_DialName::StoreToData()
{
    return true;
}

void CPpS_DialName::FillRows()
{
    for (int row = 0; row < CData_AllDialName::kEntries; ++row) {
        const CData_DialName& entry = m_data.dialName.entry[static_cast<std::size_t>(row)];
        for (int column = 0; column < kColumns; ++column)
            m_list->SetItemText(row, column, QStringLiteral("  ") + FromCp1252(entry.GetColumnText(column)));
    }
}

void CPpS_DialName::EditRow(int row)
{
    if (row < 0 || row >= CData_AllDialName::kEntries) {
        Beep();
        return;
    }
    CData_DialName& entry = m_data.dialName.entry[static_cast<std::size_t>(row)];
    CDlgE_DialName editor(entry, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    editor.StoreTo(entry);
    m_data.Sort();
    FillRows();
}
