// SPDX-License-Identifier: GPL-3.0-or-later
// The report list of the list pages: column sizing, row count, placement and
// activation of rows.
#include "CListCtrl_RepBar.h"
#include "TestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const RepBarColumn kColumns[] = {
    {QStringLiteral("Nr."), 1, false},
    {QStringLiteral("Name"), 20, true},
    {QStringLiteral("Rufnummer"), 6, false},
};

int Advance(const QWidget& w, const QString& text)
{
    return w.fontMetrics().horizontalAdvance(text);
}

struct ListOnParent {
    QWidget parent;
    CListCtrl_RepBar* list;
    explicit ListOnParent(QSize size) : list(new CListCtrl_RepBar(&parent)) { parent.resize(size); }
};

} // namespace

TEST(ReportList, ColumnsAreAsWideAsTheirSampleOrTheirPaddedHeading)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 5, 5, kColumns, false, 20, 20));

    ASSERT_EQ(f.list->columnCount(), 3);
    // One digit: the heading decides, padded with two blanks each side.
    EXPECT_EQ(f.list->columnWidth(0), Advance(*f.list, QStringLiteral("  Nr.  ")));
    EXPECT_GT(f.list->columnWidth(0), Advance(*f.list, QStringLiteral("#MM")));
    // Twenty letters: the sample decides.
    EXPECT_EQ(f.list->columnWidth(1), Advance(*f.list, QString(20, QChar('W')) + QStringLiteral("MM")));
    EXPECT_EQ(f.list->columnWidth(2), std::max(Advance(*f.list, QStringLiteral("######MM")),
                                               Advance(*f.list, QStringLiteral("  Rufnummer  "))));
    EXPECT_EQ(f.list->headerItem()->text(1), QStringLiteral("Name"));
}

TEST(ReportList, HoldsExactlyTheRowsAskedForAndPlacesItself)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 4, 4, kColumns, true, 20, 20));
    ASSERT_EQ(f.list->topLevelItemCount(), 4);
    EXPECT_EQ(f.list->ItemText(3, 0), QStringLiteral("Test"));
    EXPECT_EQ(f.list->pos(), QPoint(20, 20));

    f.list->SetItemText(1, 1, QStringLiteral("  Anna"));
    ASSERT_TRUE(f.list->ColumnInit(3, 2, 2, kColumns, true, 30, 25));
    EXPECT_EQ(f.list->topLevelItemCount(), 2);
    EXPECT_EQ(f.list->ItemText(1, 1), QStringLiteral("  Anna")); // kept rows keep their texts
    EXPECT_EQ(f.list->pos(), QPoint(30, 25));
    EXPECT_TRUE(f.list->ItemText(5, 0).isEmpty());
}

TEST(ReportList, SecondCallKeepsTheColumns)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 3, 3, kColumns, false, 20, 20));
    const int first = f.list->columnWidth(1);
    const RepBarColumn other[] = {{QStringLiteral("Anders"), 40, true}};
    ASSERT_TRUE(f.list->ColumnInit(1, 6, 6, other, false, 20, 20));
    EXPECT_EQ(f.list->columnCount(), 3);
    EXPECT_EQ(f.list->columnWidth(1), first);
    EXPECT_EQ(f.list->headerItem()->text(0), QStringLiteral("Nr."));
    EXPECT_EQ(f.list->topLevelItemCount(), 6);
}

TEST(ReportList, FillsItsParentWithAtLeastOneRow)
{
    ListOnParent tiny(QSize(400, 30));
    ASSERT_TRUE(tiny.list->ColumnInit(3, 10, 10, kColumns, true, 20, 20));
    ListOnParent oneRow(QSize(400, 400));
    ASSERT_TRUE(oneRow.list->ColumnInit(3, 10, 1, kColumns, false, 20, 20));
    EXPECT_EQ(tiny.list->height(), oneRow.list->height());

    // Without a parent to fill: the columns and a vertical scroll bar.
    ListOnParent roomy(QSize(400, 2000));
    ASSERT_TRUE(roomy.list->ColumnInit(3, 10, 10, kColumns, false, 20, 20));
    const int scrollBar = roomy.list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, roomy.list);
    EXPECT_EQ(oneRow.list->width() - roomy.list->width(), scrollBar);

    // Filling: as wide as the parent, and as high as it allows.
    ASSERT_TRUE(roomy.list->ColumnInit(3, 10, 10, kColumns, true, 20, 20));
    EXPECT_EQ(roomy.list->width(), 360);
    EXPECT_GT(roomy.list->height(), tiny.list->height());
    EXPECT_LT(roomy.list->height(), 2000);
    // Too narrow for the columns: one row fewer, kept for the horizontal scroll bar.
    ListOnParent narrow(QSize(200, 400));
    ASSERT_TRUE(narrow.list->ColumnInit(3, 100, 100, kColumns, true, 20, 20));
    ListOnParent wide(QSize(2000, 400));
    ASSERT_TRUE(wide.list->ColumnInit(3, 100, 100, kColumns, true, 20, 20));
    EXPECT_EQ(narrow.list->width(), 160);
    EXPECT_LT(narrow.list->height(), wide.list->height());
}

TEST(ReportList, MissingDescriptorsAreRefusedAndTraced)
{
    TraceCapture trace;
    ListOnParent f(QSize(400, 400));
    EXPECT_FALSE(f.list->ColumnInit(3, 5, 5, nullptr, true, 20, 20));
    EXPECT_TRUE(trace.Contains("CListCtrl_RepBar: ColumnInit() NULL-Pointer"));
    EXPECT_EQ(f.list->topLevelItemCount(), 0);
}

TEST(ReportList, DoubleClickAndEnterReportTheSelectedRow)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 5, 5, kColumns, true, 20, 20));
    f.parent.show();
    QSignalSpy spy(f.list, &CListCtrl_RepBar::rowActivated);

    // Below the last row, with nothing selected.
    const QPoint empty(5, f.list->viewport()->height() - 2);
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, empty);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), -1);

    const QPoint row2 = f.list->visualItemRect(f.list->topLevelItem(2)).center();
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, row2);
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.takeLast().at(0).toInt(), 2);
    EXPECT_EQ(f.list->SelectedRow(), 2);

    f.list->SelectRow(4);
    spy.clear();
    QTest::keyClick(f.list, Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 4);
}

// A click below the rows drops the selection, so a double click there opens
// nothing (the pages beep); right of the columns it is still on the row.
TEST(ReportList, ClickBelowTheRowsClearsTheSelection)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 3, 3, kColumns, true, 20, 20));
    f.parent.show();
    const QRect second = f.list->visualItemRect(f.list->topLevelItem(1));
    const QPoint besideColumns(f.list->viewport()->width() - 3, second.center().y());
    ASSERT_GT(besideColumns.x(), Advance(*f.list, QStringLiteral("  Nr.  ") + QString(26, QChar('W'))));
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, besideColumns);
    EXPECT_EQ(f.list->SelectedRow(), 1);

    QSignalSpy spy(f.list, &CListCtrl_RepBar::rowActivated);
    const QPoint below(5, f.list->viewport()->height() - 2);
    ASSERT_FALSE(f.list->indexAt(below).isValid());

    f.list->SelectRow(1);
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(f.list->SelectedRow(), -1);
    f.list->SelectRow(1);
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, below);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), -1);
}

// A text wider than its cell ends in three full stops, cut where it fits:
// the cell looks like a prefix with "..." drawn in a column wide enough.
TEST(ReportList, LongTextsAreShortenedWithThreeDots)
{
    ListOnParent f(QSize(600, 400)), wide(QSize(600, 400));
    for (ListOnParent* l : {&f, &wide}) {
        ASSERT_TRUE(l->list->ColumnInit(3, 1, 1, kColumns, false, 20, 20));
        l->parent.show();
    }
    wide.list->setColumnWidth(1, 2000);
    const QString full = QStringLiteral("  ") + QString(30, QChar('W')); // the column holds 20
    f.list->SetItemText(0, 1, full);
    const QRect cell = f.list->visualItemRect(f.list->topLevelItem(0)).intersected(
        QRect(f.list->columnViewportPosition(1), 0, f.list->columnWidth(1), f.list->viewport()->height()));
    const QImage shown = f.list->viewport()->grab(cell).toImage();
    qsizetype kept = -1;
    for (qsizetype n = 0; n <= full.size() && kept < 0; ++n) {
        wide.list->SetItemText(0, 1, full.left(n) + QStringLiteral("..."));
        if (wide.list->viewport()->grab(cell).toImage() == shown)
            kept = n;
    }
    EXPECT_GT(kept, 20);
    EXPECT_LT(kept, full.size());
}

TEST(ReportList, SelectionIsHighlightedOnlyWithTheFocus)
{
    ListOnParent f(QSize(600, 400));
    ASSERT_TRUE(f.list->ColumnInit(3, 5, 5, kColumns, true, 20, 20));
    EXPECT_EQ(f.list->palette().color(QPalette::Highlight), f.list->palette().color(QPalette::Base));

    f.parent.show();
    f.list->setFocus();
    QApplication::setActiveWindow(&f.parent);
    if (!f.list->hasFocus())
        GTEST_SKIP() << "no keyboard focus on this platform";
    EXPECT_NE(f.list->palette().color(QPalette::Highlight), f.list->palette().color(QPalette::Base));
    f.list->clearFocus();
    EXPECT_EQ(f.list->palette().color(QPalette::Highlight), f.list->palette().color(QPalette::Base));
}
