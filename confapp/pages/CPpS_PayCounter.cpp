#include "CPpS_PayCounter.h"

CPpS_PayCounter::CPpS_PayCounter(CData_All& documentData, QWidget* parent) : CPropertyPage(documentData, QStringLiteral("Kosten"), 2000, parent) {}

void CPpS_PayCounter::LoadFromData() {}

bool CPpS_PayCounter::StoreToData()
{
    return true;
}
