// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CData.h"

// A record that carries a number after its section base name ("DialKey_3").
class CData_Indexed : public CData {
public:
    explicit CData_Indexed(const char* baseName) : CData(baseName), m_baseName(baseName) {}

    // Sets the record number and with it the section name.
    virtual void SetIndex(int n)
    {
        m_index = n;
        m_section = std::string(m_baseName) + "_" + std::to_string(n);
    }
    int Index() const { return m_index; }
    bool operator==(const CData_Indexed& o) const { return CData::operator==(o) && m_index == o.m_index; }

protected:
    const char* m_baseName;
    int m_index = 0;
};
