#pragma once
// Page "Datenaustausch" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_SioTrans : public CPropertyPage {
public:
    explicit CPpS_SioTrans(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
