// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phone book: 200 entries whose position is their place in the book.
#include "CData_DialName.h"

#include <array>

class CData_AllDialName : public CData {
public:
    static constexpr int kEntries = 200;

    CData_AllDialName();
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    bool operator==(const CData_AllDialName& o) const;
    bool operator!=(const CData_AllDialName& o) const;

    // Alphabetical by name with the ASCII letters folded, unnamed entries
    // last; entries with equal names keep their order. Record numbers stay
    // with the positions.
    void Sort();
    // Whether Sort would leave the order as it is.
    bool IsSorted() const;

    std::array<CData_DialName, kEntries> entry; // position 0 is entry 1
};
