// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_ListPage.h"

#include "Cp1252.h"
#include "MessageBoxes.h"

#include <QVBoxLayout>

namespace {

constexpr int kListX = 20;
constexpr int kListY = 20;
constexpr int kGapBelowList = 15;

} // namespace

CPpS_ListPage::CPpS_ListPage(CQ410CfDoc& doc, const QString& caption, int dialogId,
                             std::vector<RepBarColumn> columns, int rows, int visibleRows, QWidget* parent)
    : CPropertyPage(doc, caption, dialogId, parent), m_list(new CListCtrl_RepBar(this)),
      m_below(new QVBoxLayout(this)), m_columns(std::move(columns)), m_rows(rows), m_visibleRows(visibleRows)
{
    // The list fills the page and has no label; the page's caption says what it lists.
    m_list->setAccessibleName(caption);
    connect(m_list, &CListCtrl_RepBar::rowActivated, this, [this](int row) { OnRowActivated(row); });
}

void CPpS_ListPage::LoadFromData()
{
    m_list->setVisible(ListShown());
    PlaceList();
    Refill();
}

bool CPpS_ListPage::StoreToData()
{
    return true;
}

QString CPpS_ListPage::Cell(const std::string& text)
{
    return QStringLiteral("  ") + FromCp1252(text);
}

void CPpS_ListPage::Refill()
{
    for (int row = 0; row < m_rows; ++row)
        for (int column = 0; column < static_cast<int>(m_columns.size()); ++column)
            m_list->SetItemText(row, column, CellText(row, column));
}

void CPpS_ListPage::resizeEvent(QResizeEvent* event)
{
    CPropertyPage::resizeEvent(event);
    // The list takes as many rows as the page has room for.
    if (m_placed)
        PlaceList();
}

void CPpS_ListPage::PlaceList()
{
    m_list->ColumnInit(static_cast<int>(m_columns.size()), m_rows, m_visibleRows, m_columns.data(), true, kListX,
                       kListY);
    AfterColumnInit();
    m_placed = true;
    const int top = m_list->isHidden() ? kListY : m_list->geometry().bottom() + 1 + kGapBelowList;
    m_below->setContentsMargins(kListX, top, kListX, kListY);
    m_below->activate();
}

void CPpS_ListPage::OnRowActivated(int row)
{
    if (!HasEditDialog())
        return;
    if (row < 0 || row >= m_rows) {
        Beep();
        return;
    }
    EditRow(row);
    Refill();
}
