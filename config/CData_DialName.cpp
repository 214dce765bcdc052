// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_DialName.h"

#include "FieldMover.h"

bool CData_DialName::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover m(file, write, m_section, rules);
    m.Int("Loud", Loud, StrToLoud, LoudToStr);
    m.Int("MelodyExt", MelodyExt, StrToMelodyExt, MelodyExtToStr);
    m.Str("Name", Name, StrToName);
    m.Str("Msn", Msn, StrToMsnExt);
    return true;
}

std::string CData_DialName::GetColumnText(int column) const
{
    switch (column) {
    case 0: return Name;
    case 1: return Msn;
    case 2: return std::to_string(Loud);
    case 3:
        if (MelodyExt == 0)
            return "Std";
        if (MelodyExt == 1)
            return "So";
        return std::to_string(MelodyExt - 1);
    default: return CData::GetColumnText(column);
    }
}
