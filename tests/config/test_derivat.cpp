// SPDX-License-Identifier: GPL-3.0-or-later
#include "Derivat.h"
#include "StringResources.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(VersionParse, ReadsIntegerAndUpToThreeFractionDigits)
{
    EXPECT_EQ(ParseVersion("V3.20"), 3200);
    EXPECT_EQ(ParseVersion("V3.04"), 3040);
    EXPECT_EQ(ParseVersion("1.1"), 1100);
    EXPECT_EQ(ParseVersion("V3"), 3000);
    EXPECT_EQ(ParseVersion("V2.00"), 2000);
    EXPECT_EQ(ParseVersion("V3.1234"), 3123);
    EXPECT_EQ(ParseVersion("V3.2b7"), 3200);
    EXPECT_EQ(ParseVersion(""), 0);
}

// The telephone's ready text ends in its version word, whatever its length.
TEST(VersionParse, OverlongNumberStopsAtTheLargestVersionInsteadOfOverflowing)
{
    EXPECT_EQ(ParseVersion("V2147482.999"), 2147482999);
    EXPECT_EQ(ParseVersion("V99999999999.5"), 2147482500);
    EXPECT_EQ(ParseVersion("V0000000000000003.20"), 3200);
    EXPECT_GT(ParseVersion("V1000000000000000000000"), ParseVersion("V3.20"));
}

TEST(DerivatLoad, TakesTheShippedResources)
{
    const CDerivat d = TestSwitches();
    EXPECT_EQ(d.name, "VARONIK");
    EXPECT_EQ(d.country, "GERMANY");
    EXPECT_EQ(d.version, 3200);
    EXPECT_EQ(d.minWidth, 560);
    EXPECT_EQ(d.minHeight, 390);
    EXPECT_TRUE(d.PropCfg);
    EXPECT_FALSE(d.PropDialName);
}

TEST(DerivatProperties, VaronikOnTheBasicModel)
{
    const CDerivat switches = TestSwitches({.phoneType = 0});
    const DerivatProperties& p = switches.props;
    EXPECT_FALSE(p.PropLcr);
    EXPECT_FALSE(p.PropAutoExt);
    EXPECT_FALSE(p.PropLcrPage);
    EXPECT_FALSE(p.PropKeyLine);
    EXPECT_FALSE(p.PropKeyExt);
    EXPECT_FALSE(p.PropKeyVariant || p.PropKeyTeamLogout || p.PropKeyIntercom || p.PropKeyAnnounce ||
                 p.PropKeyChefSec);
    EXPECT_TRUE(p.PropKeyMsn);
    EXPECT_EQ(p.PropMsnIntLen, 3);
    EXPECT_EQ(p.PropTeamCount, 20);
    EXPECT_EQ(p.PropChannelCount, 6);
    EXPECT_TRUE(p.PropCharSetExt);
    EXPECT_TRUE(p.PropPabxType);
    EXPECT_TRUE(p.PropGermany);
    EXPECT_FALSE(p.PropDialPreInt);
}

TEST(DerivatProperties, BrandRulesWinOverVersionRules)
{
    const CDerivat zefir = TestSwitches({.derivative = "ZEFIR", .firmware = "V1.00"});
    const DerivatProperties& p = zefir.props;
    EXPECT_TRUE(p.PropPhoneTypeChoice);
    EXPECT_TRUE(p.PropPabxPicture);
    EXPECT_TRUE(p.PropLcrPage);
    EXPECT_FALSE(p.PropKnock);
    EXPECT_EQ(p.PropMsnIntLen, 2);
}

TEST(DerivatProperties, UnknownDerivativeAppliesOnlyVersionAndCountryRules)
{
    const CDerivat other = TestSwitches({.derivative = "varonik", .country = "AUSTRIA", .firmware = "V3.20"});
    const DerivatProperties& p = other.props;
    EXPECT_TRUE(p.PropLcr);
    EXPECT_TRUE(p.PropAutoExt);
    EXPECT_TRUE(p.PropPhoneTypeChoice);
    EXPECT_FALSE(p.PropLcrPage);
    EXPECT_FALSE(p.PropGermany);
    EXPECT_EQ(p.PropMsnIntLen, 2);
    EXPECT_EQ(p.Get("PropLcr"), 1);
    EXPECT_EQ(p.Get("PropNoSuchThing"), -1);
}

TEST(DerivatProperties, AreComputedFromIdentityVersionAndPhoneTypeAlone)
{
    const BuildIdentity shipped = TestIdentity();
    const CDerivat reported = DerivatToProperties(shipped, ParseVersion("V2.00"), 1);
    EXPECT_EQ(reported.version, 2000);
    EXPECT_FALSE(reported.props.PropParkCode);
    EXPECT_FALSE(reported.props.PropKeyChefSec);
    EXPECT_TRUE(reported.props.PropDialFilter);
    EXPECT_TRUE(DerivatToProperties(shipped, 1).props.PropParkCode);
    EXPECT_EQ(DerivatToProperties(reported, 3200, 1).props, DerivatToProperties(shipped, 1).props);
}

TEST(DerivatLoad, ReplacedTextsTakeThePlaceOfTheirResourcesOnly)
{
    const BuildIdentity wide = DerivatLoad({{IDS_MIN_WIDTH, "800"}, {999, "x"}});
    EXPECT_EQ(wide.minWidth, 800);
    EXPECT_EQ(wide.minHeight, 390);
    EXPECT_EQ(LoadStringResource(IDS_MIN_WIDTH), "560");
    EXPECT_EQ(LoadStringResource(999), "");
}
