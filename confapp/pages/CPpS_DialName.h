#pragma once
// Page "Telefonbuch": the 200 phone-book entries in a list; a double click
// opens the entry's editor. OK there changes that entry in the document data
// at once and sorts the phone book, so the entry may move to another row.
#include "CPropertyPage.h"

class CListCtrl_RepBar;

class CPpS_DialName : public CPropertyPage {
public:
    explicit CPpS_DialName(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    // Entries change only through the editor, so there is nothing to store.
    bool StoreToData() override;

    CListCtrl_RepBar* List() const { return m_list; }

private:
    void FillRows();
    void EditRow(int row);

    CListCtrl_RepBar* m_list;
};
