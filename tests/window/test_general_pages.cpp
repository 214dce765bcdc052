// SPDX-License-Identifier: GPL-3.0-or-later
// The pages "Allgemein" and "Telefonanlage": enabling rules for versions and
// derivatives, the phone-type choice, load/store round trips and the field
// checks of the store step; and the pictures they show.
#include "CData_All.h"
#include "CPicture.h"
#include "CPpE_Basic1.h"
#include "CPpE_Basic2.h"
#include "Derivat.h"
#include "MessageBoxes.h"
#include "TestSupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GeneralPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageHookForTesting([this](QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages.push_back(text);
            return QMessageBox::Ok;
        });
    }
    void TearDown() override { SetMessageHookForTesting({}); }

    template <class T, class Page>
    static T* Get(const Page& page, int id)
    {
        auto* w = qobject_cast<T*>(page.Control(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }

    template <class Page>
    static bool Enabled(const Page& page, int id)
    {
        return page.Control(id)->isEnabled();
    }

    template <class Page>
    static bool Shown(const Page& page, int id)
    {
        return page.Control(id)->isVisibleTo(&page);
    }

    std::vector<QString> messages;
};

} // namespace

TEST_F(GeneralPages, FirstFirmwareOfVaronikOffersNoneOfTheLaterSettings)
{
    TestDocument document({.derivative = "VARONIK", .firmware = "V1.00"});
    CPpE_Basic1 page(document.doc);
    page.LoadFromData();
    for (int id : {1110, 1111, 1112, 1113, 1114, 1153, 1100, 1101, 1102, 1103, 1080, 1081, 1082, 1083, 1090,
                   1091, 1092, 1093, 1061, 1062, 1063, 1064, 1120, 1121})
        EXPECT_FALSE(Enabled(page, id)) << id;
    EXPECT_FALSE(Shown(page, 1050));
    EXPECT_FALSE(Shown(page, 1011));
    EXPECT_TRUE(Enabled(page, 1031));
    EXPECT_TRUE(Enabled(page, 1033));
}

TEST_F(GeneralPages, LaterFirmwareEnablesSettingsStepByStep)
{
    {
        TestDocument document({.derivative = "KALMA", .firmware = "V2.00"});
        CPpE_Basic1 page(document.doc);
        page.LoadFromData();
        for (int id : {1061, 1062, 1063, 1064, 1080, 1083, 1100, 1101, 1102, 1110, 1111})
            EXPECT_TRUE(Enabled(page, id)) << id;
        for (int id : {1103, 1090, 1093, 1120, 1121, 1113, 1114, 1153})
            EXPECT_FALSE(Enabled(page, id)) << id;
        EXPECT_FALSE(Shown(page, 1050)); // the brand rule hides it
    }
    {
        TestDocument document({.derivative = "ZEFIR", .firmware = "V3.20"});
        CPpE_Basic1 page(document.doc);
        page.LoadFromData();
        for (int id : {1103, 1090, 1120, 1113, 1114, 1153, 1112})
            EXPECT_TRUE(Enabled(page, id)) << id;
        EXPECT_TRUE(Shown(page, 1050));
        EXPECT_TRUE(Shown(page, 1011));
        EXPECT_FALSE(Shown(page, 1112)); // kept in the record, never offered
    }
}

TEST_F(GeneralPages, PhoneTypeChoiceTakesEffectAtOnce)
{
    TestDocument document({.derivative = "ZEFIR", .firmware = "V3.20"});
    CData_All& doc = document.data;
    CPpE_Basic1 page(document.doc);
    page.LoadFromData();
    ASSERT_TRUE(Get<QRadioButton>(page, 1052)->isChecked());

    Get<QLineEdit>(page, 1064)->setText(QStringLiteral("EUR"));
    QTest::mouseClick(Get<QRadioButton>(page, 1051), Qt::LeftButton);
    EXPECT_EQ(doc.cfg.basic.PhoneType, 0);
    EXPECT_FALSE(document.doc.Switches().props.PropKeyLine);
    EXPECT_EQ(doc.cfg.basic.PayStr, " DM"); // the rest waits for the store step

    // The switches are recomputed and applied to the page: an older version
    // reported meanwhile takes the later settings away.
    document.doc.TakeSwitches(DerivatToProperties(document.doc.Identity(), 1000, 0));
    QTest::mouseClick(Get<QRadioButton>(page, 1052), Qt::LeftButton);
    EXPECT_EQ(doc.cfg.basic.PhoneType, 1);
    EXPECT_FALSE(Enabled(page, 1110));
    EXPECT_FALSE(Enabled(page, 1120));
    EXPECT_TRUE(Shown(page, 1050));
}

TEST_F(GeneralPages, GeneralPageStoresWhatItLoaded)
{
    TestDocument document({.derivative = "ZEFIR", .firmware = "V3.20"});
    CData_All& doc = document.data;
    CData_Basic& b = doc.cfg.basic;
    b.LoudBox = 5, b.LoudHand = 0, b.PayMult = "1,5", b.PayStr = "EUR", b.ParkCode = "7";
    b.DialFilterUse = 2, b.QuitTone = 2, b.Silence = 2, b.PhoneType = 0, b.SwVers = "V3.20";
    b.Knock = 0, b.AutoExt = 1, b.LetterLarge = 1, b.HeadSet = 1, b.FreeSpeakSilence = 1;
    const CData_All before = doc;

    CPpE_Basic1 page(document.doc);
    page.LoadFromData();
    EXPECT_EQ(Get<QLineEdit>(page, 1011)->text(), QStringLiteral("V3.20"));
    ASSERT_TRUE(page.StoreToData());
    EXPECT_TRUE(doc == before);

    Get<QSlider>(page, 1031)->setValue(6);
    Get<QSlider>(page, 1033)->setValue(3);
    Get<QLineEdit>(page, 1064)->setText(QStringLiteral("€uro"));
    Get<QRadioButton>(page, 1091)->setChecked(true);
    Get<QCheckBox>(page, 1111)->setChecked(true);
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(b.LoudBox, 6);
    EXPECT_EQ(b.LoudHand, 3);
    EXPECT_EQ(b.PayStr, "\x80uro");
    EXPECT_EQ(b.QuitTone, 0);
    EXPECT_EQ(b.Knock, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GeneralPages, StoreRepairsWhatTheSwitchesDoNotAllow)
{
    TestDocument document({.derivative = "KALMA", .firmware = "V2.00"});
    CData_All& doc = document.data;
    doc.cfg.basic.Silence = 2;
    CPpE_Basic1 page(document.doc);
    page.LoadFromData();
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(doc.cfg.basic.Silence, 0);
}

TEST_F(GeneralPages, TooLongFieldKeepsThePageAndTheData)
{
    TestDocument document({.derivative = "ZEFIR", .firmware = "V3.20"});
    CData_All& doc = document.data;
    CPpE_Basic1 page(document.doc);
    page.show();
    page.LoadFromData();
    const CData_All before = doc;

    Get<QSlider>(page, 1031)->setValue(0);
    Get<QLineEdit>(page, 1064)->setText(QStringLiteral("Gulden"));
    Get<QLineEdit>(page, 1120)->setText(QStringLiteral("123"));
    EXPECT_FALSE(page.StoreToData());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("Geben Sie bitte nicht mehr als 2 Zeichen ein."));
    EXPECT_EQ(page.focusWidget(), page.Control(1120));
    EXPECT_TRUE(doc == before);

    Get<QLineEdit>(page, 1120)->setText(QStringLiteral("12"));
    Get<QLineEdit>(page, 1064)->setText(QStringLiteral("Gulden2"));
    EXPECT_FALSE(page.StoreToData());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], QStringLiteral("Geben Sie bitte nicht mehr als 6 Zeichen ein."));
    EXPECT_TRUE(doc == before);
}

TEST_F(GeneralPages, PabxPageShowsAndStoresTheExchangeType)
{
    TestDocument document({.derivative = "ZEFIR", .firmware = "V3.20"});
    CData_All& doc = document.data;
    doc.cfg.basic.PabxType = "01";
    CPpE_Basic2 page(document.doc);
    page.LoadFromData();
    EXPECT_TRUE(Get<QRadioButton>(page, 3212)->isChecked());
    EXPECT_FALSE(Get<QRadioButton>(page, 3211)->isChecked());
    EXPECT_TRUE(Enabled(page, 1150));
    EXPECT_TRUE(Shown(page, 1170));

    Get<QRadioButton>(page, 3211)->setChecked(true);
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(doc.cfg.basic.PabxType, "00");

    doc.cfg.basic.PabxType = "0";
    page.LoadFromData();
    EXPECT_TRUE(Get<QRadioButton>(page, 3211)->isChecked());
    Get<QRadioButton>(page, 3212)->setChecked(true);
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(doc.cfg.basic.PabxType, "01");
}

TEST_F(GeneralPages, PabxPageRoundTripAndEnabling)
{
    TestDocument document({.derivative = "KALMA", .firmware = "V3.00"});
    CData_All& doc = document.data;
    CData_Basic& b = doc.cfg.basic;
    b.DialLen = 7, b.DialPre = "0", b.DialPreInt = "*1", b.PabxAtLowPower = 1, b.PabxType = "00", b.AutoExt = 1;
    const CData_All before = doc;
    CPpE_Basic2 page(document.doc);
    page.LoadFromData();
    EXPECT_EQ(Get<QComboBox>(page, 1041)->count(), 10);
    EXPECT_EQ(Get<QComboBox>(page, 1041)->currentText(), QStringLiteral("7"));
    for (int id : {1150, 3211, 3212, 1152, 1022, 1023})
        EXPECT_FALSE(Enabled(page, id)) << id;
    EXPECT_FALSE(Shown(page, 1170));
    EXPECT_FALSE(Shown(page, 1023));
    ASSERT_TRUE(page.StoreToData());
    EXPECT_TRUE(doc == before);

    page.LoadFromData(); // a second activation keeps ten lengths
    EXPECT_EQ(Get<QComboBox>(page, 1041)->count(), 10);
    Get<QComboBox>(page, 1041)->setCurrentIndex(0);
    Get<QLineEdit>(page, 1021)->setText(QStringLiteral("0#123"));
    EXPECT_EQ(Get<QLineEdit>(page, 1021)->text(), QStringLiteral("0#12"));
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(b.DialLen, 0);
    EXPECT_EQ(b.DialPre, "0#12");
}

TEST(Pictures, EveryPictureOfThePagesIsDrawnOnATransparentGround)
{
    for (int id : {500, 501, 551, 552, 553, 555, 556}) {
        CPicture picture(id);
        const QSize size = picture.sizeHint();
        ASSERT_FALSE(size.isEmpty()) << id;
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        EXPECT_TRUE(CPicture::Draw(painter, id, QPoint(0, 0))) << id;
        painter.end();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GT(inked, size.width() * size.height() / 20) << id;
        EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << id;
    }
}

TEST(Pictures, UnknownNumberDrawsNothingAndIsTraced)
{
    TraceCapture trace;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    EXPECT_FALSE(CPicture::Draw(painter, 554, QPoint(0, 0)));
    painter.end();
    EXPECT_TRUE(trace.Contains("CDIBmp: Can't find Bitmap resource!"));
    EXPECT_EQ(image, [] {
        QImage empty(32, 32, QImage::Format_ARGB32);
        empty.fill(Qt::transparent);
        return empty;
    }());
}
