// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Kurzwahl": the ten speed-dial numbers, each edited in dialog 1260.
#include "CPpS_ListPage.h"

class CPpS_DialIndex : public CPpS_ListPage {
public:
    explicit CPpS_DialIndex(CQ410CfDoc& doc, QWidget* parent = nullptr);

protected:
    QString CellText(int row, int column) const override;
    void EditRow(int row) override;
};
