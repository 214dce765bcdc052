#pragma once
// Page "Telefonbuch" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_DialName : public CPropertyPage {
public:
    explicit CPpS_DialName(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
