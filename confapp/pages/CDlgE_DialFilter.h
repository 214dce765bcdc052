// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog 1910: edits one blocked or free number of the "Wahlkontrolle" page.
#include "CDlgE_Number.h"

class CData_DialFilter;

class CDlgE_DialFilter : public CDlgE_Number {
    Q_OBJECT
public:
    explicit CDlgE_DialFilter(QWidget* parent = nullptr);
    void LoadFrom(const CData_DialFilter& record);
    // The number goes through the record's codec.
    void StoreTo(CData_DialFilter& record) const;
};
