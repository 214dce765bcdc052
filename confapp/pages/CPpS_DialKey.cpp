#include "CPpS_DialKey.h"

CPpS_DialKey::CPpS_DialKey(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Tasten"), 1300, parent) {}

void CPpS_DialKey::LoadFromData() {}

bool CPpS_DialKey::StoreToData()
{
    return true;
}
