// Placeholder so the windows' test executable exists from the start.
#include "CPpS_SioTrans.h"
#include "CData_All.h"

#include <gtest/gtest.h>

TEST(PageSet, DataExchangePageHasItsCaption)
{
    CData_All data;
    CPpS_SioTrans page(data);
    EXPECT_EQ(page.Caption(), QStringLiteral("Datenaustausch"));
}
