#include "CPpS_DialKey.h"

#include "CData_All.h"
#include "CDlgE_DialKey.h"
#include "CListCtrl_RepBar.h"
#include "Cp1252.h"
#include "MessageBoxes.h"

namespace {

constexpr int kColumns = 3;
constexpr int kVisibleRows = 10;
const RepBarColumn kLayout[kColumns] = {
    {QStringLiteral("Taste"), 2, false},
    {QStringLiteral("Tastenart"), 28, false},
    {QStringLiteral("Nutzung"), 20, false},
};

} // namespace

CPpS_DialKey::CPpS_DialKey(CData_All& documentData, QWidget* parent)
    : CPropertyPage(documentData, QStringLiteral("Tasten"), 1300, parent), m_list(new CListCtrl_RepBar(this))
{
    connect(m_list, &CListCtrl_RepBar::rowActivated, this, &CPpS_DialKey::EditRow);
}

void CPpS_DialKey::LoadFromData()
{
    m_list->ColumnInit(kColumns, CData_AllCfg::kKeys, kVisibleRows, kLayout, true, 20, 20);
    FillRows();
}

bool CPpS_DialKey::StoreToData()
{
    return true;
}

void CPpS_DialKey::FillRows()
{
    for (int row = 0; row < CData_AllCfg::kKeys; ++row) {
        const CData_DialKey& key = m_data.cfg.dialKey[static_cast<std::size_t>(row)];
        for (int column = 0; column < kColumns; ++column)
            m_list->SetItemText(row, column, QStringLiteral("  ") + FromCp1252(key.GetColumnText(column)));
    }
}

void CPpS_DialKey::EditRow(int row)
{
    if (row < 0 || row >= CData_AllCfg::kKeys) {
        Beep();
        return;
    }
    CData_DialKey& key = m_data.cfg.dialKey[static_cast<std::size_t>(row)];
    CDlgE_DialKey editor(key, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    editor.StoreTo(key);
    FillRows();
}
