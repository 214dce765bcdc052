#include "CPpS_MsnPara.h"

CPpS_MsnPara::CPpS_MsnPara(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Rufnummern"), 1200, parent) {}

void CPpS_MsnPara::LoadFromData() {}

bool CPpS_MsnPara::StoreToData()
{
    return true;
}
