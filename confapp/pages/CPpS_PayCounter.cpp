// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_PayCounter.h"

#include "CData_All.h"
#include "Cp1252.h"
#include "Derivat.h"

#include <charconv>

namespace {

constexpr int kCostColumn = 2;

std::vector<RepBarColumn> Columns()
{
    return {{QStringLiteral("Nr."), 1, false},
            {QStringLiteral("Rufnummer"), 20, false},
            {QStringLiteral("Kostenzähler"), 20, false}};
}

} // namespace

CPpS_PayCounter::CPpS_PayCounter(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Kosten"), 2000, Columns(), CData_AllCfg::kMsns,
                    CData_AllCfg::kMsns, parent)
{
}

QString CPpS_PayCounter::CostText(const std::string& payMult, const std::string& payStr, std::uint32_t counter)
{
    std::string factor = payMult;
    int precision = 0;
    if (const auto comma = factor.find(','); comma != std::string::npos) {
        precision = static_cast<int>(factor.size() - comma - 1);
        factor[comma] = '.';
    }
    // The leading number counts, anything after it is ignored; from_chars
    // does not depend on the locale the windows run under.
    double f = 0.0;
    std::from_chars(factor.data(), factor.data() + factor.size(), f);
    QString amount = QString::number(f * static_cast<double>(counter), 'f', precision);
    amount.replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral(" ") + amount + FromCp1252(payStr) + QStringLiteral("  ");
}

bool CPpS_PayCounter::ListShown() const
{
    return Switches().props.PropPayCounter != 0;
}

QString CPpS_PayCounter::CellText(int row, int column) const
{
    const CData_MsnPara& record = m_data.cfg.msnPara.at(static_cast<size_t>(row));
    if (column != kCostColumn)
        return Cell(record.GetColumnText(column));
    const CData_Basic& basic = m_data.cfg.basic;
    return Cell({}) + CostText(basic.PayMult, basic.PayStr, record.PayCounter);
}

void CPpS_PayCounter::AfterColumnInit()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    List()->headerItem()->setTextAlignment(kCostColumn, right);
    for (int row = 0; row < List()->topLevelItemCount(); ++row)
        List()->topLevelItem(row)->setTextAlignment(kCostColumn, right);
}
