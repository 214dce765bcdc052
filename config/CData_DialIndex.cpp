// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_DialIndex.h"

#include "FieldMover.h"

bool CData_DialIndex::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover(file, write, m_section, rules).Str("Msn", Msn, StrToMsnExt);
    return true;
}

std::string CData_DialIndex::GetColumnText(int column) const
{
    switch (column) {
    case 0: return "k" + std::to_string(m_index);
    case 1: return Msn;
    default: return CData::GetColumnText(column);
    }
}
