// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_DialFilter.h"

#include "FieldMover.h"

bool CData_DialFilter::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover(file, write, m_section, rules).Str("Msn", Msn, StrToMsnExt);
    return true;
}

std::string CData_DialFilter::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        if (m_index < kFirstFree)
            return "Sperr-Nr. " + std::to_string(m_index);
        return "Frei-Nr. " + std::to_string(m_index - kFirstFree);
    case 1: return Msn;
    default: return CData::GetColumnText(column);
    }
}
