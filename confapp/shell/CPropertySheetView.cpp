// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPropertySheetView.h"

#include "CPropertyPage.h"

CPropertySheetView::CPropertySheetView(QWidget* parent) : QTabWidget(parent)
{
    setWindowTitle(QStringLiteral("Don't see this!"));
    connect(this, &QTabWidget::currentChanged, this, &CPropertySheetView::OnCurrentChanged);
}

void CPropertySheetView::AddPage(CPropertyPage* page)
{
    m_switching = true;
    addTab(page, page->Caption());
    m_switching = false;
    if (m_current < 0) {
        m_current = currentIndex();
        LoadActivePage();
    }
}

CPropertyPage* CPropertySheetView::Page(int index) const
{
    return static_cast<CPropertyPage*>(widget(index));
}

CPropertyPage* CPropertySheetView::ActivePage() const
{
    return m_current >= 0 ? Page(m_current) : nullptr;
}

bool CPropertySheetView::StoreActivePage()
{
    CPropertyPage* page = ActivePage();
    return !page || page->StoreToData();
}

void CPropertySheetView::LoadActivePage()
{
    if (CPropertyPage* page = ActivePage())
        page->LoadFromData();
}

void CPropertySheetView::OnCurrentChanged(int index)
{
    if (m_switching || index == m_current)
        return;
    m_switching = true;
    // Go back to the page being left first, so that a failed check shows its
    // message over that page and can put the focus on the offending field.
    const int wanted = index;
    if (m_current >= 0)
        setCurrentIndex(m_current);
    const bool stored = StoreActivePage();
    if (stored) {
        setCurrentIndex(wanted);
        m_current = wanted;
        LoadActivePage();
    }
    m_switching = false;
}
