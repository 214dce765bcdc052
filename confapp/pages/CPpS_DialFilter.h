#pragma once
// Page "Wahlkontrolle" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_DialFilter : public CPropertyPage {
public:
    explicit CPpS_DialFilter(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
