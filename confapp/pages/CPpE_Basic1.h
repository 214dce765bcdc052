#pragma once
// Page "Allgemein" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpE_Basic1 : public CPropertyPage {
public:
    explicit CPpE_Basic1(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
