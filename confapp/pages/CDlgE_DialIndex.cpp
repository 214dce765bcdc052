// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgE_DialIndex.h"

#include "CData_DialIndex.h"

CDlgE_DialIndex::CDlgE_DialIndex(QWidget* parent)
    : CDlgE_Number(QStringLiteral("Kurzwahl Eintrag bearbeiten"), QStringLiteral("Taste"), parent)
{
}

void CDlgE_DialIndex::LoadFrom(const CData_DialIndex& record)
{
    SetTexts(record.GetColumnText(0), record.Msn);
}

void CDlgE_DialIndex::StoreTo(CData_DialIndex& record) const
{
    CData::StrToMsnExt(record.Msn, NumberText());
}
