// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData_Indexed.h"

// One phone-book entry, numbered 1 to 200; empty when it has neither name nor number.
class CData_DialName : public CData_Indexed {
public:
    CData_DialName() : CData_Indexed("DialName") {}
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    std::string GetColumnText(int column) const override;
    bool operator==(const CData_DialName&) const = default;

    bool IsEmpty() const { return Name.empty() && Msn.empty(); }

    int Loud = 3;
    int MelodyExt = 0; // 0 standard ring, 1 special ring, 2 to 11 melodies 1 to 10
    std::string Name;
    std::string Msn;
};
