// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Tasten": the 14 function keys in a list; a double click opens the
// key editor, and OK there changes that key in the document data at once.
#include "CPpS_ListPage.h"

class CPpS_DialKey : public CPpS_ListPage {
public:
    explicit CPpS_DialKey(CQ410CfDoc& doc, QWidget* parent = nullptr);

protected:
    QString CellText(int row, int column) const override;
    void EditRow(int row) override;
};
