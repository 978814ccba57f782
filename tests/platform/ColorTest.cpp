#include "platform/Color.h"
#include "platform/Types.h"
#include <gtest/gtest.h>

TEST(Color, RedLivesInTheLowByteBothWays)
{
    EXPECT_EQ(RGB(255, 0, 0), 255);
    EXPECT_EQ(RGB(0, 128, 0), clGreen);
    EXPECT_EQ(RGB(0, 0, 255), clBlue);
    EXPECT_EQ(ToQRgb(clRed), 0xFFFF0000u);
    EXPECT_EQ(ToQRgb(clBlue), 0xFF0000FFu);
    EXPECT_EQ(FromQRgb(0xFF123456u), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(ToQColor(RGB(1, 2, 3))), RGB(1, 2, 3));
    EXPECT_EQ(GetRValue(RGB(10, 20, 30)), 10);
    EXPECT_EQ(GetGValue(RGB(10, 20, 30)), 20);
    EXPECT_EQ(GetBValue(RGB(10, 20, 30)), 30);
}

TEST(Color, SystemAndEmptyColoursResolveToConcreteValues)
{
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(ColorToRGB(clBtnFace) & ~0xFFFFFF, 0);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clNone), clWhite);
    EXPECT_EQ(ToQRgb(clNone), ToQRgb(clWhite));
    EXPECT_EQ(ToQRgb(clBtnFace), ToQRgb(ColorToRGB(clBtnFace)));
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
    EXPECT_EQ(ColorToRGB(RGB(7, 8, 9)), RGB(7, 8, 9));
}

TEST(Rect, IntersectUnionAndNormalise)
{
    EXPECT_EQ(IntersectRect(Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)), Rect(5, 5, 10, 10));
    EXPECT_EQ(IntersectRect(Rect(0, 0, 5, 5), Rect(5, 5, 9, 9)), TRect{});
    EXPECT_EQ(UnionRect(TRect{}, Rect(1, 2, 3, 4)), Rect(1, 2, 3, 4));
    EXPECT_EQ(UnionRect(Rect(0, 0, 2, 2), Rect(5, 1, 6, 8)), Rect(0, 0, 6, 8));
    EXPECT_EQ(NormalizedRect(Rect(10, 8, 2, 3)), Rect(2, 3, 10, 8));
    EXPECT_TRUE(Rect(3, 3, 3, 9).IsEmpty());
}

TEST(Color, SystemColoursCarryThePartsNumbersAndTheOldFormIsTheSameColour)
{
    EXPECT_EQ(clBtnFace, -16777201); // 0xFF00000F
    EXPECT_EQ(clBtnHighlight, -16777196);
    EXPECT_EQ(clBtnShadow, -16777200);
    EXPECT_EQ(uint32_t(clWindow), 0xFF000005u);
    for (int index : {0, 5, 15, 16, 20, 24}) {
        const TColor old = TColor(0x80000000u + uint32_t(index));
        const TColor now = SystemColor(index);
        EXPECT_TRUE(IsSystemColor(old));
        EXPECT_TRUE(IsSystemColor(now));
        EXPECT_EQ(ColorToRGB(old), ColorToRGB(now)) << index;
        EXPECT_EQ(ToQColor(old), ToQColor(now));
        EXPECT_EQ(NormaliseColor(old), now);
        EXPECT_EQ(NormaliseColor(now), now);
    }
    EXPECT_EQ(NormaliseColor(clRed), clRed);
    EXPECT_EQ(NormaliseColor(clNone), clNone);
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_NE(ColorToRGB(clBtnFace), ColorToRGB(clBtnShadow));
}
