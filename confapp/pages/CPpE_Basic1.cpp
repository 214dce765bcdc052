#include "CPpE_Basic1.h"

CPpE_Basic1::CPpE_Basic1(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Allgemein"), 1001, parent) {}

void CPpE_Basic1::LoadFromData() {}

bool CPpE_Basic1::StoreToData()
{
    return true;
}
