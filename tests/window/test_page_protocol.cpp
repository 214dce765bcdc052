// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving a tab stores its page, entering one loads it; a page whose checks
// fail keeps its tab.
#include "CData_All.h"
#include "CPropertyPage.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "ShellTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class CountingPage : public CPropertyPage {
public:
    CountingPage(CQ410CfDoc& doc, const QString& caption) : CPropertyPage(doc, caption, 1) {}
    void LoadFromData() override { ++loads; }
    bool StoreToData() override
    {
        ++stores;
        return storeSucceeds;
    }

    int loads = 0;
    int stores = 0;
    bool storeSucceeds = true;
};

class PageProtocol : public ::testing::Test {
protected:
    PageProtocol()
    {
        first = new CountingPage(doc, "Eins");
        second = new CountingPage(doc, "Zwei");
        sheet.AddPage(first);
        sheet.AddPage(second);
    }

    CData_All data;
    CData_All saved;
    CQ410CfDoc doc{data, saved, TestIdentity()};
    CPropertySheetView sheet;
    CountingPage* first;
    CountingPage* second;
};

} // namespace

TEST_F(PageProtocol, FirstPageIsLoadedWhenTheSheetIsFilled)
{
    EXPECT_EQ(sheet.ActivePage(), first);
    EXPECT_EQ(first->loads, 1);
    EXPECT_EQ(second->loads, 0);
}

TEST_F(PageProtocol, SwitchingStoresTheOldPageAndLoadsTheNewOne)
{
    sheet.setCurrentIndex(1);
    EXPECT_EQ(first->stores, 1);
    EXPECT_EQ(second->loads, 1);
    EXPECT_EQ(sheet.ActivePage(), second);
    EXPECT_EQ(second->stores, 0);
}

TEST_F(PageProtocol, PageWithFailingChecksKeepsItsTab)
{
    first->storeSucceeds = false;
    sheet.setCurrentIndex(1);
    EXPECT_EQ(sheet.currentIndex(), 0);
    EXPECT_EQ(sheet.ActivePage(), first);
    EXPECT_EQ(second->loads, 0);

    first->storeSucceeds = true;
    sheet.setCurrentIndex(1);
    EXPECT_EQ(sheet.currentIndex(), 1);
    EXPECT_EQ(second->loads, 1);
}

TEST_F(PageProtocol, OnlyTheActivePageIsSynchronised)
{
    sheet.StoreActivePage();
    sheet.LoadActivePage();
    EXPECT_EQ(first->stores, 1);
    EXPECT_EQ(first->loads, 2);
    EXPECT_EQ(second->stores + second->loads, 0);
}

TEST(ViewProtocol, MovesAreTracedAndFollowTheActivePage)
{
    ShellTestEnvironment environment;
    TraceCapture trace;
    CQ410CfView view(environment.app);
    view.OnInitialUpdate();
    view.MoveDataViewToDoc();
    view.MoveDataDocToView();
    EXPECT_TRUE(trace.Contains("View: Constructor()"));
    EXPECT_TRUE(trace.Contains("View: OnInitialUpdate()"));
    EXPECT_TRUE(trace.Contains("View: MoveDataViewToDoc()"));
    EXPECT_TRUE(trace.Contains("View: MoveDataDocToView()"));
}
