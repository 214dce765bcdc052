// SPDX-License-Identifier: GPL-3.0-or-later
#include "CListCtrl_RepBar.h"

#include "Trace.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Height of a dialog frame as the pages' arithmetic counts it; Qt has no
// metric of that name.
constexpr int kDialogFrame = 3;
// Space kept free below the list when it fills its parent.
constexpr int kBottomMargin = 15;

// Draws a text too wide for its cell shortened character by character from
// the end until it fits together with "...", three full stops as the pages
// have always shown them (Qt's own elision ends in a single "…").
class ShorteningDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        // The styles keep this margin on both sides of the text rectangle.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).width() - 2 * margin;
        opt.text = Shortened(opt.text, opt.fontMetrics, room);
        opt.textElideMode = Qt::ElideNone;
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }

private:
    static QString Shortened(const QString& text, const QFontMetrics& metrics, int room)
    {
        if (metrics.horizontalAdvance(text) <= room)
            return text;
        const QString dots = QStringLiteral("...");
        QString kept = text;
        while (!kept.isEmpty() && metrics.horizontalAdvance(kept + dots) > room)
            kept.chop(1);
        return kept + dots;
    }
};

} // namespace

CListCtrl_RepBar::CListCtrl_RepBar(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new ShorteningDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    UpdateHighlight();
}

bool CListCtrl_RepBar::ColumnInit(int columns, int rows, int visibleRows, const RepBarColumn* descriptors,
                                  bool fitToParent, int x, int y)
{
    if (descriptors == nullptr) {
        TraceLine("CListCtrl_RepBar", "ColumnInit() NULL-Pointer");
        return false;
    }
    rows = std::max(0, rows);
    if (!m_columnsSetUp)
        BuildColumns(std::max(0, columns), descriptors);
    SetRowCount(rows);

    const int edge = frameWidth();
    const int rowHeight = RowHeight();
    int width = 2 * edge;
    if (columnCount() > 0)
        setColumnWidth(columnCount() - 1, m_lastColumnWidth);
    for (int i = 0; i < columnCount(); ++i)
        width += header()->sectionSize(i);

    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int visible = visibleRows;
    if (fitToParent && parentWidget() != nullptr) {
        const QRect page = parentWidget()->contentsRect();
        int room = page.height() - y - kBottomMargin - 2 * edge - kDialogFrame;
        // The list spans the page, its columns as wide as ever; on a page too
        // narrow for them the horizontal scroll bar takes a row's room.
        const int across = std::max(0, page.width() - 2 * x);
        const int needed = width + (room / rowHeight - 1 < rows ? scrollBar : 0);
        if (needed > across)
            room -= scrollBar;
        visible = std::max(1, std::min(rows, room / rowHeight - 1));
        // The last column takes what is left, so a click anywhere on a row is on it.
        const int spare = across - width - (visible < rows ? scrollBar : 0);
        const int last = columnCount() - 1;
        if (last >= 0)
            setColumnWidth(last, m_lastColumnWidth + std::max(0, spare));
        width = across;
    } else if (visible < rows) {
        width += scrollBar;
    }

    // The heading takes one row, or more when the style draws it taller.
    const int headingHeight = std::max(rowHeight, header()->sizeHint().height());
    const int height = visible * rowHeight + headingHeight + 2 * edge + kDialogFrame;
    setGeometry(x, y, width, height);
    m_columnsSetUp = true;
    return true;
}

void CListCtrl_RepBar::BuildColumns(int columns, const RepBarColumn* descriptors)
{
    const QFontMetrics metrics = fontMetrics();
    QStringList headings;
    QList<int> widths;
    for (int i = 0; i < columns; ++i) {
        const RepBarColumn& column = descriptors[i];
        const QString sample =
            QString(std::max(0, column.characters), column.text ? QChar('W') : QChar('#')) + QStringLiteral("MM");
        const QString padded = QStringLiteral("  ") + column.title + QStringLiteral("  ");
        headings.append(column.title);
        widths.append(std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(padded)));
    }
    setColumnCount(columns);
    setHeaderLabels(headings);
    for (int i = 0; i < columns; ++i) {
        headerItem()->setTextAlignment(i, Qt::AlignLeft | Qt::AlignVCenter);
        setColumnWidth(i, widths[i]);
    }
    m_lastColumnWidth = widths.isEmpty() ? 0 : widths.back();
}

void CListCtrl_RepBar::SetRowCount(int rows)
{
    while (topLevelItemCount() > rows)
        delete takeTopLevelItem(topLevelItemCount() - 1);
    while (topLevelItemCount() < rows) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, QStringLiteral("Test"));
    }
    // The focus may have come before the rows did.
    if (hasFocus())
        ChooseRowIfNone();
}

int CListCtrl_RepBar::RowHeight() const
{
    int height = 0;
    if (topLevelItemCount() > 0)
        height = indexRowSizeHint(indexFromItem(topLevelItem(0)));
    if (height <= 0) // no row to measure: what a one-line row needs
        height = fontMetrics().height() + 2;
    return height;
}

void CListCtrl_RepBar::SetItemText(int row, int column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row); item != nullptr && column >= 0 && column < columnCount())
        item->setText(column, text);
}

QString CListCtrl_RepBar::ItemText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

int CListCtrl_RepBar::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    int first = -1;
    for (QTreeWidgetItem* item : selected) {
        const int row = indexOfTopLevelItem(item);
        if (row >= 0 && (first < 0 || row < first))
            first = row;
    }
    return first;
}

void CListCtrl_RepBar::SelectRow(int row)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

// A click beside the rows selects nothing, so that a double click there
// opens no record (Qt keeps the last selection in single-selection mode).
void CListCtrl_RepBar::ClearSelectionBesideRows(const QMouseEvent* event)
{
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
}

void CListCtrl_RepBar::mousePressEvent(QMouseEvent* event)
{
    ClearSelectionBesideRows(event);
    QTreeWidget::mousePressEvent(event);
}

void CListCtrl_RepBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    ClearSelectionBesideRows(event);
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit rowActivated(SelectedRow());
}

void CListCtrl_RepBar::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2 ||
                       (key == Qt::Key_Space && event->modifiers() == Qt::NoModifier);
    if (opens) {
        emit rowActivated(SelectedRow());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CListCtrl_RepBar::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    ChooseRowIfNone();
    UpdateHighlight();
}

// A list reached with the keyboard has a row to open at once: the current
// one, or the first.
void CListCtrl_RepBar::ChooseRowIfNone()
{
    if (SelectedRow() >= 0 || topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* row = currentItem() ? currentItem() : topLevelItem(0);
    setCurrentItem(row);
    row->setSelected(true);
}

void CListCtrl_RepBar::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    UpdateHighlight();
}

// Selected rows are highlighted only while the list has the focus; without it
// they look like every other row, as the pages' users know it.
void CListCtrl_RepBar::UpdateHighlight()
{
    const QPalette standard = QApplication::palette(this);
    QPalette pal = palette();
    const bool focused = hasFocus();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setBrush(group, QPalette::Highlight,
                     standard.brush(QPalette::Active, focused ? QPalette::Highlight : QPalette::Base));
        pal.setBrush(group, QPalette::HighlightedText,
                     standard.brush(QPalette::Active, focused ? QPalette::HighlightedText : QPalette::Text));
    }
    setPalette(pal);
    viewport()->update();
}
