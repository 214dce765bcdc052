// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData_Indexed.h"

#include <cstdint>

// One own number (MSN) of the telephone, numbered 1 to 6.
class CData_MsnPara : public CData_Indexed {
public:
    CData_MsnPara() : CData_Indexed("MsnPara") {}
    // Also gives the number its default text "Msn-n" and melody n - 1.
    void SetIndex(int n) override;
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_MsnPara&) const = default;

    int Loud = 3;
    int Melody = 0;
    std::uint32_t PayCounter = 0;
    std::string Msn;
    std::string Txt;
    std::string MsnAws; // call forwarding
};
