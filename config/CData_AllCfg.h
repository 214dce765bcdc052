// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole configuration of the telephone: general settings, function keys,
// speed dial, dial control and own numbers, in a fixed count each.
#include "CData_Basic.h"
#include "CData_DialFilter.h"
#include "CData_DialIndex.h"
#include "CData_DialKey.h"
#include "CData_MsnPara.h"

#include <array>

class CData_AllCfg : public CData {
public:
    static constexpr int kKeys = 14;
    static constexpr int kIndexes = 10;
    static constexpr int kFilters = 14;
    static constexpr int kMsns = 6;

    CData_AllCfg();
    bool MoveFile(CProfileFile& file, bool write, const CodecRules& rules);
    bool operator==(const CData_AllCfg& o) const;
    bool operator!=(const CData_AllCfg& o) const;

    CData_Basic basic;
    std::array<CData_DialKey, kKeys> dialKey;          // keys 1 to 14
    std::array<CData_DialIndex, kIndexes> dialIndex;   // speed dial 0 to 9
    std::array<CData_DialFilter, kFilters> dialFilter; // 0-6 blocked, 7-13 free
    std::array<CData_MsnPara, kMsns> msnPara;          // own numbers 1 to 6
};
