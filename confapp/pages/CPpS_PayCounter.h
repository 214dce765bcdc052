#pragma once
// Page "Kosten" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_PayCounter : public CPropertyPage {
public:
    explicit CPpS_PayCounter(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
