// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_MsnPara.h"

#include "FieldMover.h"

#include <cstdio>

void CData_MsnPara::SetIndex(int n)
{
    CData_Indexed::SetIndex(n);
    Txt = "Msn-" + std::to_string(n);
    Melody = n - 1;
}

bool CData_MsnPara::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    FieldMover m(file, write, m_section, rules);
    m.Int("Loud", Loud, StrToLoud, LoudToStr);
    m.Int("Melody", Melody, StrToMelody, MelodyToStr);
    m.Counter("PayCounter", PayCounter);
    m.Str("Msn", Msn, StrToMsnExt);
    m.Str("Txt", Txt, StrToTxt);
    m.Str("MsnAws", MsnAws, StrToMsnExt);
    return true;
}

std::string CData_MsnPara::GetColumnText(int column) const
{
    switch (column) {
    case 0: return std::to_string(m_index);
    case 1: return Msn;
    case 2: return Txt;
    case 3: return std::to_string(Loud);
    case 4: return std::to_string(Melody + 1);
    case 5: return MsnAws;
    case 6: {
        char text[16];
        std::snprintf(text, sizeof text, "% 10d", static_cast<int>(PayCounter));
        return text;
    }
    default: return CData::GetColumnText(column);
    }
}
