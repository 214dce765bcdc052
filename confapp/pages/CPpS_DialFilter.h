// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Wahlkontrolle": seven blocked and seven free numbers, each edited in
// dialog 1910. Empty where the telephone has no dial control.
#include "CPpS_ListPage.h"

class CPpS_DialFilter : public CPpS_ListPage {
public:
    explicit CPpS_DialFilter(CQ410CfDoc& doc, QWidget* parent = nullptr);

protected:
    bool ListShown() const override;
    QString CellText(int row, int column) const override;
    void EditRow(int row) override;
};
