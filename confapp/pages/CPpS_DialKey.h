#pragma once
// Page "Tasten": the 14 function keys in a list; a double click opens the
// key editor, and OK there changes that key in the document data at once.
#include "CPropertyPage.h"

class CListCtrl_RepBar;

class CPpS_DialKey : public CPropertyPage {
public:
    explicit CPpS_DialKey(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    // The keys change only through the editor, so there is nothing to store.
    bool StoreToData() override;

    CListCtrl_RepBar* List() const { return m_list; }

private:
    void FillRows();
    void EditRow(int row);

    CListCtrl_RepBar* m_list;
};
