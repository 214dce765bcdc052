#include "CPpS_DialName.h"

CPpS_DialName::CPpS_DialName(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Telefonbuch"), 1400, parent) {}

void CPpS_DialName::LoadFromData() {}

bool CPpS_DialName::StoreToData()
{
    return true;
}
