#pragma once
// Page "LCR" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpE_Lcr : public CPropertyPage {
public:
    explicit CPpE_Lcr(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
