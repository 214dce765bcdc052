#include "CPpE_Basic2.h"

CPpE_Basic2::CPpE_Basic2(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Telefonanlage"), 1002, parent) {}

void CPpE_Basic2::LoadFromData() {}

bool CPpE_Basic2::StoreToData()
{
    return true;
}
