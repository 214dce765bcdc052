#pragma once
// Page "Telefonanlage" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpE_Basic2 : public CPropertyPage {
public:
    explicit CPpE_Basic2(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
