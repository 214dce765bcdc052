// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Kosten": the cost counters of the own numbers, shown as money with the
// tariff factor and currency of the general settings. Read only; empty where
// the telephone keeps no counters.
#include "CPpS_ListPage.h"

#include <cstdint>

class CPpS_PayCounter : public CPpS_ListPage {
public:
    explicit CPpS_PayCounter(CQ410CfDoc& doc, QWidget* parent = nullptr);

    // counter x tariff factor ("0,12"), with as many decimals as the factor
    // has after its comma, a blank in front and the currency and two blanks
    // after: " 12,00 DM  " for 100 units.
    static QString CostText(const std::string& payMult, const std::string& payStr, std::uint32_t counter);

protected:
    bool ListShown() const override;
    QString CellText(int row, int column) const override;
    bool HasEditDialog() const override { return false; }
    void EditRow(int) override {}
    void AfterColumnInit() override;
};
