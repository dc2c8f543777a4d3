// Dialog units to pixels, on given base units.
#include "platform/window/DialogUnits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, MulDivRoundsToNearestWithHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(7, 6, 4), 11);   // 10.5
    EXPECT_EQ(MulDiv(5, 6, 4), 8);    // 7.5
    EXPECT_EQ(MulDiv(3, 7, 4), 5);    // 5.25
    EXPECT_EQ(MulDiv(-7, 6, 4), -11); // -10.5
    EXPECT_EQ(MulDiv(7, 6, -4), -11);
    EXPECT_EQ(MulDiv(0, 6, 4), 0);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    // The product does not overflow 32 bits.
    EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);
}

TEST(DialogUnits, BaseUnitsComeFromTheAverageLetterWidthAndTheHeight)
{
    // 52 letters 312 pixels wide: 12 per pair of letters, 6 per letter.
    EXPECT_EQ(BaseUnitsFromFontMetrics(312, 13).m_cx, 6);
    EXPECT_EQ(BaseUnitsFromFontMetrics(312, 13).m_cy, 13);
    // (369 / 26 + 1) / 2 = (14 + 1) / 2 = 7.
    EXPECT_EQ(BaseUnitsFromFontMetrics(369, 13).m_cx, 7);
    // (337 / 26 + 1) / 2 = (12 + 1) / 2 = 6: rounded down after the pair.
    EXPECT_EQ(BaseUnitsFromFontMetrics(337, 12).m_cx, 6);
}

TEST(DialogUnits, MapsEachOfPositionAndSizeOnItsOwn)
{
    const CDialogBaseUnits base{6, 12};
    EXPECT_EQ(DialogUnitsToPixelsX(351, base), 527); // 526.5
    EXPECT_EQ(DialogUnitsToPixelsY(247, base), 371); // 370.5
    // The table: 7, 61, 337, 179.
    EXPECT_EQ(DialogRectToPixels(7, 61, 337, 179, base), (CRect{11, 92, 11 + 506, 92 + 269}));
    // The round-trips field sits one unit lower than the other fields.
    EXPECT_EQ(DialogRectToPixels(125, 22, 42, 14, base), (CRect{188, 33, 188 + 63, 33 + 21}));
    EXPECT_EQ(DialogRectToPixels(125, 21, 42, 14, base).m_top, 32); // 31.5
    const CDialogBaseUnits ipa{7, 13};
    EXPECT_EQ(DialogRectToPixels(302, 7, 42, 28, ipa), (CRect{529, 11, 529 + 74, 11 + 46}));
}
