// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Telefonbuch": the 200 phone-book entries in a list; a double click
// opens the entry's editor. OK there changes that entry in the document data
// at once and sorts the phone book, so the entry may move to another row.
#include "CPpS_ListPage.h"

class CPpS_DialName : public CPpS_ListPage {
public:
    explicit CPpS_DialName(CQ410CfDoc& doc, QWidget* parent = nullptr);

protected:
    QString CellText(int row, int column) const override;
    void EditRow(int row) override;
};
