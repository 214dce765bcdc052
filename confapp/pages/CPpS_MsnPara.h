#pragma once
// Page "Rufnummern" (placeholder until the page is built).
#include "CPropertyPage.h"

class CPpS_MsnPara : public CPropertyPage {
public:
    explicit CPpS_MsnPara(CData_All& documentData, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;
};
