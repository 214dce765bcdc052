// SPDX-License-Identifier: GPL-3.0-or-later
// The filtered entry fields: rejected keys beep and change nothing, pasted
// text is normalised with a beep, editing keys always work.
#include "Derivat.h"
#include "FilteredEdits.h"
#include "MessageBoxes.h"
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FilteredEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetBeepHookForTesting([this] { ++beeps; });
    }
    void TearDown() override { SetBeepHookForTesting({}); }

    void Paste(QLineEdit& edit, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        edit.paste();
    }

    // Types each character as its own key press, letters beyond ASCII included.
    static void Type(QLineEdit& edit, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&edit, &press);
        }
    }

    int beeps = 0;
};

} // namespace

TEST_F(FilteredEdits, NumberFieldTakesDigitsOnly)
{
    CEdit_Num edit;
    QTest::keyClicks(&edit, "12");
    QTest::keyClicks(&edit, "a");
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    EXPECT_EQ(beeps, 1);
    QTest::keyClicks(&edit, "#,3");
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
    EXPECT_EQ(beeps, 3);
}

TEST_F(FilteredEdits, PastedTextIsNormalisedWithABeep)
{
    CEdit_Num number;
    Paste(number, QStringLiteral("12a3"));
    EXPECT_EQ(number.text(), QStringLiteral("123"));
    EXPECT_EQ(beeps, 1);

    CEdit_Msn msn;
    Paste(msn, QStringLiteral("*31#-0"));
    EXPECT_EQ(msn.text(), QStringLiteral("*31#0"));
    EXPECT_EQ(beeps, 2);

    // Clean text goes in without a beep.
    CEdit_PayMult factor;
    Paste(factor, QStringLiteral("1,25"));
    EXPECT_EQ(factor.text(), QStringLiteral("1,25"));
    EXPECT_EQ(beeps, 2);
}

TEST_F(FilteredEdits, AStoredValueIsShownAsItIsUntilTheUserEditsIt)
{
    // A number field showing a stored number with "*" and "#": opening the
    // record and pressing OK must give the same number back.
    CEdit_Num number;
    number.setText(QStringLiteral("*31#0"));
    EXPECT_EQ(number.text(), QStringLiteral("*31#0"));
    EXPECT_EQ(beeps, 0);
    number.setFocus();
    number.end(false);
    QTest::keyClicks(&number, "5");
    EXPECT_EQ(number.text(), QStringLiteral("3105"));
    EXPECT_EQ(beeps, 1);
}

TEST_F(FilteredEdits, EditingKeysAlwaysWork)
{
    CEdit_Msn edit;
    QTest::keyClicks(&edit, "*12#");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("*1"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("*1"));
    EXPECT_EQ(beeps, 0);
}

TEST_F(FilteredEdits, TariffFactorTakesOneCommaAfterADigit)
{
    CEdit_PayMult edit;
    QTest::keyClicks(&edit, ",");
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(beeps, 1); // accepted as a key, removed by the normalisation
    QTest::keyClicks(&edit, "1,5,");
    EXPECT_EQ(edit.text(), QStringLiteral("1,5"));
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), QStringLiteral("1,5"));
    EXPECT_EQ(beeps, 3);
}

TEST_F(FilteredEdits, NameFieldFollowsTheCharacterSetOfTheDerivative)
{
    {
        const CDerivat identity = TestSwitches({.derivative = "KALMA", .firmware = "V3.00"});
        CEdit_Name edit(identity.Rules());
        Type(edit, QStringLiteral("Müller ä"));
        EXPECT_EQ(edit.text(), QStringLiteral("Müller ä"));
        EXPECT_EQ(beeps, 0);
        Type(edit, QStringLiteral("æ~\\"));
        EXPECT_EQ(edit.text(), QStringLiteral("Müller ä"));
        EXPECT_EQ(beeps, 3);
        Paste(edit, QStringLiteral("Ø€☺"));
        EXPECT_EQ(edit.text(), QStringLiteral("Müller ä"));
        EXPECT_EQ(beeps, 4);
    }
    {
        const CDerivat identity = TestSwitches({.derivative = "KALMA", .firmware = "V3.20"});
        ASSERT_TRUE(identity.props.PropCharSetExt);
        CEdit_Name edit(identity.Rules());
        Type(edit, QStringLiteral("Søren æ"));
        Paste(edit, QStringLiteral("€☺"));
        EXPECT_EQ(edit.text(), QStringLiteral("Søren æ€"));
        EXPECT_EQ(beeps, 5); // only for the character no code page holds
    }
}
