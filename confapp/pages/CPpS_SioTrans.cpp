#include "CPpS_SioTrans.h"

CPpS_SioTrans::CPpS_SioTrans(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Datenaustausch"), 1500, parent) {}

void CPpS_SioTrans::LoadFromData() {}

bool CPpS_SioTrans::StoreToData()
{
    return true;
}
