#include "CPpE_Lcr.h"

CPpE_Lcr::CPpE_Lcr(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("LCR"), 2100, parent) {}

void CPpE_Lcr::LoadFromData() {}

bool CPpE_Lcr::StoreToData()
{
    return true;
}
