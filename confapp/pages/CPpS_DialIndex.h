#pragma once
// Page "Kurzwahl" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_DialIndex : public CPropertyPage {
public:
    explicit CPpS_DialIndex(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
