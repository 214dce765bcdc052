// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tabbed sheet of pages inside the view. Only the current page is kept in
// step with the document data: leaving a tab stores it (a page whose checks
// fail stays current), entering a tab loads it.
#include <QTabWidget>

class CPropertyPage;

class CPropertySheetView : public QTabWidget {
    Q_OBJECT
public:
    explicit CPropertySheetView(QWidget* parent = nullptr);

    // The sheet takes ownership of the page.
    void AddPage(CPropertyPage* page);
    CPropertyPage* Page(int index) const;
    CPropertyPage* ActivePage() const;

    // Store direction on the current page; false when its checks failed.
    bool StoreActivePage();
    // Load direction on the current page.
    void LoadActivePage();

private:
    void OnCurrentChanged(int index);

    int m_current = -1; // the tab whose controls hold the data
    bool m_switching = false;
};
