// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog 1260: edits one speed-dial entry of the "Kurzwahl" page.
#include "CDlgE_Number.h"

class CData_DialIndex;

class CDlgE_DialIndex : public CDlgE_Number {
    Q_OBJECT
public:
    explicit CDlgE_DialIndex(QWidget* parent = nullptr);
    void LoadFrom(const CData_DialIndex& record);
    // The number goes through the record's codec.
    void StoreTo(CData_DialIndex& record) const;
};
