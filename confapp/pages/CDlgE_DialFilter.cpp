// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_DialFilter.h"

#include "CData_DialFilter.h"

CDlgE_DialFilter::CDlgE_DialFilter(QWidget* parent)
    : CDlgE_Number(QStringLiteral("Sperr-/Freiwerk Eintrag bearbeiten"), QStringLiteral("Nutzung"), parent)
{
}

void CDlgE_DialFilter::LoadFrom(const CData_DialFilter& record)
{
    SetTexts(record.GetColumnText(0), record.Msn);
}

void CDlgE_DialFilter::StoreTo(CData_DialFilter& record) const
{
    CData::StrToMsnExt(record.Msn, NumberText());
}
