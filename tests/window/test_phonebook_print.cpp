// SPDX-License-Identifier: GPL-3.0-or-later
// The phone-book printout: two columns of 100 entries on one page.
#include "CData_All.h"
#include "PhoneBookPrint.h"

#include <gtest/gtest.h>

namespace {

const QRect kPage(0, 0, 800, 1000); // margins: x0 = 100, y0 = 50
constexpr int kLine = 7;
constexpr int kChar = 4;

const PhoneBookPrint::Item* Find(const std::vector<PhoneBookPrint::Item>& items, const QString& text)
{
    for (const auto& item : items)
        if (item.text == text)
            return &item;
    return nullptr;
}

} // namespace

TEST(PhoneBookPrint, EmptyBookPrintsNothing)
{
    CData_All book;
    book.ResetDialName();
    EXPECT_TRUE(PhoneBookPrint::Layout(book, kPage, kLine, kChar).empty());
}

TEST(PhoneBookPrint, FullBookFillsTwoColumnsOfAHundred)
{
    CData_All book;
    for (int i = 0; i < 200; ++i) {
        book.SetDialNameName(i, "N" + std::to_string(i + 1));
        book.SetDialNameMsn(i, std::to_string(1000 + i + 1));
    }
    const auto items = PhoneBookPrint::Layout(book, kPage, kLine, kChar);
    EXPECT_EQ(items.size(), 400u);

    const auto* first = Find(items, "N1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 100);
    EXPECT_EQ(first->y, 50);
    const auto* firstNumber = Find(items, "1001");
    ASSERT_NE(firstNumber, nullptr);
    EXPECT_EQ(firstNumber->x, 100 + 23 * kChar);

    const auto* hundredth = Find(items, "N100");
    ASSERT_NE(hundredth, nullptr);
    EXPECT_EQ(hundredth->y, 50 + 99 * kLine);
    const auto* secondColumn = Find(items, "N101");
    ASSERT_NE(secondColumn, nullptr);
    EXPECT_EQ(secondColumn->x, 100 + 53 * kChar);
    EXPECT_EQ(secondColumn->y, 50);
    const auto* last = Find(items, "1200");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 100 + 76 * kChar);
    EXPECT_EQ(last->y, 50 + 99 * kLine);
}

TEST(PhoneBookPrint, NamesAreShownInTheirOwnCharacters)
{
    CData_All book;
    book.ResetDialName();
    book.SetDialNameName(0, "M\xFCller"); // Windows-1252
    const auto items = PhoneBookPrint::Layout(book, kPage, kLine, kChar);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, QString::fromUtf8("Müller"));
}

TEST(PhoneBookPrint, FontIsSixPointsForTheDevice)
{
    EXPECT_EQ(PhoneBookPrint::ChooseFont(600).pixelSize(), 50);
    EXPECT_EQ(PhoneBookPrint::ChooseFont(96).pixelSize(), 8);
}
