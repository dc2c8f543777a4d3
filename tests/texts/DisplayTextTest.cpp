// The texts and formats that the dialog and torvaly-solve both show. The
// other tests read tables through these functions, so the texts themselves
// are pinned here, once.
#include "texts/DisplayText.h"
#include "CommaLocale.h"
#include "engine/CrossingState.h"
#include "puzzle/BuiltInPuzzle.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

TEST(DisplayTextTest, FormatsAsTheDialogShowsThem)
{
    EXPECT_EQ(ElapsedText(0, 0), "00:00:00");
    EXPECT_EQ(ElapsedText(1000, 1000 + 3725999), "01:02:05") << "one hour, two minutes, five seconds";
    EXPECT_EQ(ElapsedText(0, 360000000), "100:00:00") << "hours are not wrapped";
    EXPECT_EQ(ElapsedText(2147483000, -2147483296), "00:00:01") << "across the clock's wrap";

    EXPECT_EQ(RoundTripsText(0), "0.0");
    EXPECT_EQ(RoundTripsText(10), "2.5");
    EXPECT_EQ(RoundTripsText(46), "11.5");
    EXPECT_EQ(StepNumberText(0), "1");
    EXPECT_EQ(StepNumberText(46), "47");

    EXPECT_STREQ(PlaceText(PLACE_START), "日本");
    EXPECT_STREQ(PlaceText(PLACE_GOING), "行き");
    EXPECT_STREQ(PlaceText(PLACE_ARRIVED), "米国");
    EXPECT_STREQ(PlaceText(PLACE_RETURNING), "帰り");
    EXPECT_STREQ(PlaceText(PLACE_UNKNOWN), "不明");
    EXPECT_STREQ(PlaceText(-1), "不明");

    // Every column's header, as one line: step numbers, then the travellers.
    std::string headers;
    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        headers += std::string(column ? " " : "") + ColumnHeader(column);
    EXPECT_EQ(headers, "phase Ovrin Dastel Korrim Pellam Quen Murtz Sabbel Tovic Gummel Hesk Nolby Yarrit");
    EXPECT_STREQ(TravellerName(0), ColumnHeader(1));
    EXPECT_STREQ(TravellerName(TRAVELLER_COUNT), "");
    EXPECT_EQ(NamesOf(BuiltInPuzzle(), TravellerBit(10) | TravellerBit(0), " と "), "Ovrin と Nolby");
    EXPECT_EQ(NamesOf(BuiltInPuzzle(), OPERATORS), "Ovrin、Dastel、Korrim、Pellam、Quen");
    EXPECT_EQ(NamesOf(BuiltInPuzzle(), 0), "");
    EXPECT_STREQ(ColumnHeader(-1), "");
    EXPECT_STREQ(ColumnHeader(RESULT_COLUMN_COUNT), "");
}

// The dialog runs in the user's locale, which the window toolkit sets for the
// C library too; the figures are the program's own texts and keep a point.
TEST(DisplayTextTest, FiguresKeepTheirPointUnderACommaLocale)
{
    std::string printed[100];
    for (int top = 0; top < 100; ++top) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", top / 4.0);
        printed[top] = text;
    }

    ASSERT_EQ(SetCommaLocale(), "");
    char comma[32];
    std::snprintf(comma, sizeof comma, "%.1f", 11.5);
    EXPECT_STREQ(comma, "11,5") << "the locale in effect writes a comma";
    for (int top = 0; top < 100; ++top)
        EXPECT_EQ(RoundTripsText(top), printed[top]) << "top " << top;
    EXPECT_EQ(ElapsedText(1000, 1000 + 3725999), "01:02:05");
    EXPECT_EQ(ElapsedText(0, 360000000), "100:00:00");
    std::setlocale(LC_ALL, "C");
}

} // namespace
