#include "CPpS_DialFilter.h"

CPpS_DialFilter::CPpS_DialFilter(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Wahlkontrolle"), 1900, parent) {}

void CPpS_DialFilter::LoadFromData() {}

bool CPpS_DialFilter::StoreToData()
{
    return true;
}
