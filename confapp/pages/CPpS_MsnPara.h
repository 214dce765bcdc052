// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Rufnummern": the telephone's own numbers (MSNs) with name, volume and
// melody, each edited in dialog 1210; explanations and a picture below.
#include "CPpS_ListPage.h"

class CPpS_MsnPara : public CPpS_ListPage {
public:
    explicit CPpS_MsnPara(CQ410CfDoc& doc, QWidget* parent = nullptr);

protected:
    QString CellText(int row, int column) const override;
    void EditRow(int row) override;
};
