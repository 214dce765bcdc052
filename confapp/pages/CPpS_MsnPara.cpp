// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_MsnPara.h"

#include "CDlgE_MsnPara.h"
#include "CData_All.h"
#include "CPicture.h"
#include "EditDialogRun.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kPictureId = 553;

std::vector<RepBarColumn> Columns()
{
    return {{QStringLiteral("Nr."), 1, false},
            {QStringLiteral("Rufnummer"), 20, false},
            {QStringLiteral("Name"), 5, true},
            {QStringLiteral("Laut."), 1, false},
            {QStringLiteral("Mel."), 2, false}};
}

QLabel* Explanation(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

CPpS_MsnPara::CPpS_MsnPara(CQ410CfDoc& doc, QWidget* parent)
    : CPpS_ListPage(doc, QStringLiteral("Rufnummern"), 1200, Columns(), CData_AllCfg::kMsns,
                    CData_AllCfg::kMsns, parent)
{
    auto* texts = new QVBoxLayout;
    texts->addWidget(Explanation(QStringLiteral("Am Amtsanschluß:\nSie  müssen eine oder mehrere der vom "
                                                "Netzbetreiber für Ihren Anschluß zugeteilten Rufnummern "
                                                "eintragen. "),
                                 this));
    texts->addWidget(Explanation(QStringLiteral("An einer Telefonanlage:\nWird das Telefon am internen Bus "
                                                "einer Telefonanlage betrieben. \nSie müssen eine oder mehrere "
                                                "Rufnummern des internen ISDN-Bus der Telefonanlage eintragen. "),
                                 this));
    texts->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(new CPicture(kPictureId, this), 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    BelowList()->addLayout(row);
    BelowList()->addStretch();
}

QString CPpS_MsnPara::CellText(int row, int column) const
{
    return Cell(m_data.cfg.msnPara.at(static_cast<size_t>(row)).GetColumnText(column));
}

void CPpS_MsnPara::EditRow(int row)
{
    CData_MsnPara& record = m_data.cfg.msnPara.at(static_cast<size_t>(row));
    CDlgE_MsnPara dialog(Switches(), this);
    dialog.LoadFrom(record);
    if (RunEditDialog(dialog) == QDialog::Accepted)
        dialog.StoreTo(record);
}
