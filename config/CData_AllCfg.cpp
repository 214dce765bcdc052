// SPDX-License-Identifier: GPL-3.0-or-later
#include "CData_AllCfg.h"

#include "Trace.h"

namespace {

template <typename Array>
void NumberFrom(Array& records, int first)
{
    for (auto& r : records)
        r.SetIndex(first++);
}

template <typename Array>
void MoveAll(Array& records, CProfileFile& file, bool write, const CodecRules& rules)
{
    for (auto& r : records)
        r.MoveFile(file, write, rules);
}

} // namespace

CData_AllCfg::CData_AllCfg() : CData("AllCfg")
{
    NumberFrom(dialKey, 1);
    NumberFrom(dialIndex, 0);
    NumberFrom(dialFilter, 0);
    NumberFrom(msnPara, 1);
}

bool CData_AllCfg::MoveFile(CProfileFile& file, bool write, const CodecRules& rules)
{
    TraceLine("CData_AllCfg", "MoveFile()");
    basic.MoveFile(file, write, rules);
    MoveAll(dialKey, file, write, rules);
    MoveAll(dialIndex, file, write, rules);
    MoveAll(dialFilter, file, write, rules);
    MoveAll(msnPara, file, write, rules);
    return true;
}

bool CData_AllCfg::operator==(const CData_AllCfg& o) const
{
    TraceLine("CData_AllCfg", "operator==()");
    return CData::operator==(o) && basic == o.basic && dialKey == o.dialKey && dialIndex == o.dialIndex &&
           dialFilter == o.dialFilter && msnPara == o.msnPara;
}

bool CData_AllCfg::operator!=(const CData_AllCfg& o) const
{
    TraceLine("CData_AllCfg", "operator!=()");
    return !(*this == o);
}
