// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData_Indexed.h"

// One dial-control number: 0 to 6 are blocked numbers, 7 to 13 free numbers.
class CData_DialFilter : public CData_Indexed {
public:
    static constexpr int kFirstFree = 7;

    CData_DialFilter() : CData_Indexed("DialFilter") {}
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialFilter&) const = default;

    std::string Msn;
};
