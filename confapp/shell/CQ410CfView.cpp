// SPDX-License-Identifier: GPL-3.0-or-later
#include "CQ410CfView.h"

#include "CPpE_Basic1.h"
#include "CPpE_Basic2.h"
#include "CPpE_Lcr.h"
#include "CPpS_DialFilter.h"
#include "CPpS_DialIndex.h"
#include "CPpS_DialKey.h"
#include "CPpS_DialName.h"
#include "CPpS_MsnPara.h"
#include "CPpS_PayCounter.h"
#include "CPpS_SioTrans.h"
#include "CPropertySheetView.h"
#include "Derivat.h"
#include "PhoneBookPrint.h"
#include "Trace.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

CQ410CfView::CQ410CfView(App& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    TraceLine("View", "Constructor()");
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

CQ410CfView::~CQ410CfView()
{
    TraceLine("View", "Destructor()");
    DeleteSheet(false);
}

void CQ410CfView::DeleteSheet(bool later)
{
    // The sheet owns the pages; the slots only name them. A rebuild may be
    // asked for from inside a page's own handler, so the old sheet then goes
    // once control is back in the event loop.
    if (m_sheet && later) {
        m_sheet->hide();
        layout()->removeWidget(m_sheet);
        m_sheet->deleteLater();
    } else {
        delete m_sheet;
    }
    m_sheet = nullptr;
    m_pages.fill(nullptr);
}

void CQ410CfView::OnInitialUpdate()
{
    TraceLine("View", "OnInitialUpdate()");
    DeleteSheet(true);
    CQ410CfDoc& doc = m_app.doc;
    const CDerivat& switches = doc.Switches();
    std::size_t slot = 0;
    auto add = [&](CPropertyPage* page) { m_pages.at(slot++) = page; };
    if (switches.PropCfg) {
        add(new CPpE_Basic1(doc));
        add(new CPpE_Basic2(doc));
        add(new CPpS_MsnPara(doc));
        add(new CPpS_DialIndex(doc));
        add(new CPpS_DialKey(doc));
        add(new CPpS_DialFilter(doc));
        if (switches.props.PropLcrPage)
            add(new CPpE_Lcr(doc));
        add(new CPpS_PayCounter(doc));
    }
    if (switches.PropDialName)
        add(new CPpS_DialName(doc));
    add(new CPpS_SioTrans(m_app));

    m_sheet = new CPropertySheetView;
    for (CPropertyPage* page : m_pages)
        if (page)
            m_sheet->AddPage(page);
    layout()->addWidget(m_sheet);
    connect(m_sheet, &QTabWidget::currentChanged, this, [this] {
        if (onPageChanged)
            onPageChanged();
    });
    m_sheet->setVisible(true);
}

void CQ410CfView::MoveDataDocToView()
{
    TraceLine("View", "MoveDataDocToView()");
    if (m_sheet)
        m_sheet->LoadActivePage();
}

void CQ410CfView::MoveDataViewToDoc()
{
    // A page whose checks fail keeps its tab and leaves the data as it was;
    // the caller goes on with the data as it stands.
    TryMoveDataViewToDoc();
}

bool CQ410CfView::TryMoveDataViewToDoc()
{
    TraceLine("View", "MoveDataViewToDoc()");
    return !m_sheet || m_sheet->StoreActivePage();
}

void CQ410CfView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_sheet)
        m_sheet->setFocus();
}

void CQ410CfView::OnPrint(QPrinter& printer)
{
    TraceLine("View", "OnPrint()");
    MoveDataViewToDoc();
    CData_All& documentData = m_app.data;
    documentData.Sort(m_app.doc.Switches());
    QPainter painter;
    if (painter.begin(&printer)) {
        PhoneBookPrint::Draw(painter, QRect(0, 0, printer.width(), printer.height()), documentData);
        painter.end();
    }
    MoveDataDocToView();
}

void CQ410CfView::FilePrint()
{
    QPrinter printer;
    printer.setFromTo(1, 1);
    QPrintDialog dialog(&printer, window());
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted)
        OnPrint(printer);
}

void CQ410CfView::FilePrintPreview()
{
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, window());
    preview.setWindowTitle(QString::fromUtf8("Seitenansicht"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { OnPrint(*target); });
    preview.exec();
}
