// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData_Indexed.h"

// One speed-dial entry, numbered 0 to 9.
class CData_DialIndex : public CData_Indexed {
public:
    CData_DialIndex() : CData_Indexed("DialIndex") {}
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialIndex&) const = default;

    std::string Msn;
};
