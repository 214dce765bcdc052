#include "CPpS_DialIndex.h"

CPpS_DialIndex::CPpS_DialIndex(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Kurzwahl"), 1250, parent) {}

void CPpS_DialIndex::LoadFromData() {}

bool CPpS_DialIndex::StoreToData()
{
    return true;
}
