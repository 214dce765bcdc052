// SPDX-License-Identifier: GPL-3.0-or-later
// The least-cost-routing page: which controls the derivative and the chosen
// mode enable, and that loading and storing carry the three settings.
#include "CData_All.h"
#include "CPpE_Lcr.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

Identity Brand(const char* derivative)
{
    Identity id;
    id.derivative = derivative;
    id.firmware = "V3.20";
    return id;
}

} // namespace

TEST(LcrPage, RepeatCountIsOfferedOnlyForRepeatedTriesOfTheCheapestCarrier)
{
    TestDocument document(Brand("ZEFIR"));
    CData_All& data = document.data;
    data.cfg.basic.LcrMode = 2;
    CPpE_Lcr page(document.doc);
    page.show();
    page.LoadFromData();

    EXPECT_TRUE(page.LcrCheck()->isEnabled());
    EXPECT_TRUE(page.ModeButton(0)->isEnabled());
    EXPECT_TRUE(page.ModeButton(2)->isChecked());
    EXPECT_TRUE(page.RepeatList()->isEnabled());

    QTest::mouseClick(page.ModeButton(0), Qt::LeftButton);
    EXPECT_FALSE(page.RepeatList()->isEnabled());
    QTest::mouseClick(page.ModeButton(2), Qt::LeftButton);
    EXPECT_TRUE(page.RepeatList()->isEnabled());
}

TEST(LcrPage, EverythingIsOffWhereTheDerivativeHasNoLeastCostRouting)
{
    TestDocument document(Brand("VARONIK"));
    CData_All& data = document.data;
    data.cfg.basic.LcrMode = 2;
    CPpE_Lcr page(document.doc);
    page.LoadFromData();

    EXPECT_FALSE(page.LcrCheck()->isEnabled());
    EXPECT_FALSE(page.ModeButton(1)->isEnabled());
    EXPECT_FALSE(page.RepeatList()->isEnabled());
    // The stored settings are still shown.
    EXPECT_TRUE(page.ModeButton(2)->isChecked());
}

TEST(LcrPage, StoreWritesTheControlsAndLoadShowsTheData)
{
    TestDocument document(Brand("ZEFIR"));
    CData_All& data = document.data;
    data.cfg.basic.Lcr = 1;
    data.cfg.basic.LcrMode = 0;
    data.cfg.basic.LcrRepeat = 9;
    CPpE_Lcr page(document.doc);
    page.LoadFromData();
    EXPECT_TRUE(page.LcrCheck()->isChecked());
    EXPECT_TRUE(page.ModeButton(0)->isChecked());
    EXPECT_EQ(page.RepeatList()->currentText(), QStringLiteral("9"));

    // Unchanged controls give back exactly what was loaded.
    const CData_All before = data;
    EXPECT_TRUE(page.StoreToData());
    EXPECT_TRUE(data == before);

    page.LcrCheck()->setChecked(false);
    page.ModeButton(2)->click();
    page.RepeatList()->setCurrentIndex(2);
    EXPECT_TRUE(page.StoreToData());
    EXPECT_EQ(data.cfg.basic.Lcr, 0);
    EXPECT_EQ(data.cfg.basic.LcrMode, 2);
    EXPECT_EQ(data.cfg.basic.LcrRepeat, 2);
}

TEST(LcrPage, RepeatCountsOfferedAreThoseTheTelephoneKeeps)
{
    // A count above 9 would be stored as 0 in the file and on the telephone.
    TestDocument document;
    CPpE_Lcr page(document.doc);
    ASSERT_EQ(page.RepeatList()->count(), 10);
    EXPECT_EQ(page.RepeatList()->itemText(0), QStringLiteral("0"));
    EXPECT_EQ(page.RepeatList()->itemText(9), QStringLiteral("9"));
}
