#pragma once
// Page "Tasten" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_DialKey : public CPropertyPage {
public:
    explicit CPpS_DialKey(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
